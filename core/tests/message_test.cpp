#include "core/message.h"

#include <gtest/gtest.h>

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

TEST(FillTemplate, ReplacesPlaceholdersInOrder) {
  EXPECT_EQ(fillTemplate("%s and %d, 100%%", {"a", "7"}), "a and 7, 100%");
  EXPECT_EQ(fillTemplate("%s %s", {"only"}), "only ");  // a missing argument leaves nothing
  EXPECT_EQ(fillTemplate("ends with %", {}), "ends with %");
}

}  // namespace
}  // namespace sonarel::core
