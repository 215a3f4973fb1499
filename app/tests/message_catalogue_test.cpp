// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue as the user meets it: every message translated into every language with the
// same placeholders as the English text, and filled by the catalogue's own routine.

#include <gtest/gtest.h>

#include <QString>
#include <QTranslator>
#include <string>

#include "app/translated_text.h"
#include "core/message.h"

namespace sonarel::app {
namespace {

using core::Message;
using core::MessageId;

// The placeholders of a template in order, one letter each ("ss" for "%s ... %s"); "%%"
// is a percent sign, not a placeholder.
std::string placeholdersOf(const std::string& text) {
  std::string kinds;
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '%') continue;
    const char next = text[i + 1];
    if (next == 's' || next == 'd') kinds += next;
    if (next == 's' || next == 'd' || next == '%') ++i;
  }
  return kinds;
}

TEST(MessageCatalogue, EveryTranslationKeepsThePlaceholders) {
  for (const char* language : {"es", "ko", "pt"}) {
    QTranslator translator;
    ASSERT_TRUE(translator.load(QString(":/i18n/sonarel_%1.qm").arg(language))) << language;
    for (int i = 0; i < static_cast<int>(MessageId::EndOfCatalogue); ++i) {
      const std::string english(core::messageTemplate(static_cast<MessageId>(i)));
      const QString translated = translator.translate("Message", english.c_str());
      EXPECT_FALSE(translated.isEmpty())
          << language << ": message " << i << " has no translation: " << english;
      if (translated.isEmpty()) continue;
      EXPECT_EQ(placeholdersOf(translated.toStdString()), placeholdersOf(english))
          << language << ", message " << i << ": " << english << " -> " << translated.toStdString();
    }
  }
}

TEST(MessageCatalogue, ArgumentsAreInsertedAsTheyAre) {
  // An argument that looks like a placeholder is text, and does not take the next one's place.
  EXPECT_EQ(messageText(Message{MessageId::RecoverRecording, {"5%s", "/d/100%%.wav"}}),
            "A recording of 5%s s was not finished.\nDo you want to save it into the file "
            "/d/100%%.wav?");
  EXPECT_EQ(messageText(Message{MessageId::AboutSonarel, {"0.1.0"}}),
            "Sonarel 0.1.0\nAcoustic assessment of the voice.");
}

TEST(MessageCatalogue, PlaceholdersOfCountsKindsAndSkipsPercentSigns) {
  EXPECT_EQ(placeholdersOf("%s of %d, 100%% %s"), "sds");
  EXPECT_EQ(placeholdersOf("50%s%"), "s");
}

}  // namespace
}  // namespace sonarel::app
