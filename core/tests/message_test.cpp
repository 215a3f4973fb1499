// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/message.h"

#include <gtest/gtest.h>

#include <set>

namespace sonarel::core {
namespace {

TEST(Message, TextsAreTheCataloguesOwn) {
  EXPECT_EQ(Message{MessageId::ErrorReadingFile}.text(), "Error Reading File!");
  EXPECT_EQ(Message{MessageId::SampleRateVoiceAnalysis}.text(),
            "Sample Rate must be 11025 Hz or 22050 Hz, 16 bits,Mono!");
  EXPECT_EQ((Message{MessageId::FileCannotBeRecorded, {"/d/wv001.wav"}}.text()),
            "The File /d/wv001.wav can\u00b4t be recorded!\nVerifiy if this file is opened and if "
            "the Client Folder exists!");
}

TEST(Message, EveryIdentifierHasItsOwnText) {
  std::set<std::string_view> texts;
  for (int i = 0; i < static_cast<int>(MessageId::EndOfCatalogue); ++i) {
    const std::string_view text = messageTemplate(static_cast<MessageId>(i));
    EXPECT_NE(text, "?") << "message " << i << " has no text";
    EXPECT_FALSE(text.empty()) << "message " << i;
    EXPECT_TRUE(texts.insert(text).second) << "message " << i << " repeats: " << text;
  }
}

TEST(FillTemplate, ReplacesPlaceholdersInOrder) {
  EXPECT_EQ(fillTemplate("%s and %d, 100%%", {"a", "7"}), "a and 7, 100%");
  EXPECT_EQ(fillTemplate("%s %s", {"only"}), "only ");  // a missing argument leaves nothing
  EXPECT_EQ(fillTemplate("ends with %", {}), "ends with %");
  EXPECT_EQ(fillTemplate("%s/%s", {"%s", "b"}), "%s/b");  // arguments are never rescanned
}

}  // namespace
}  // namespace sonarel::core
