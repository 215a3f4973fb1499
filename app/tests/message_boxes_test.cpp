// SPDX-License-Identifier: GPL-3.0-or-later
// The window's message boxes: a refusal's reason as the informative text, "No" as the
// default answer of the questions that erase something, and Qt's own buttons in the
// language in force. SONAREL_GRAB_DIR, when set, receives a picture of each box.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>
#include <functional>

#include "app/frame/box_prompt.h"
#include "app/languages.h"

namespace sonarel::app {
namespace {

using core::Message;
using core::MessageId;

// Looks at the next message box once it shows, then presses `answer` on it.
void whenBoxShows(std::function<void(QMessageBox*)> look, QMessageBox::StandardButton answer) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer, look, answer] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    timer->stop();
    timer->deleteLater();
    look(box);
    box->button(answer)->click();
  });
  timer->start(10);
}

void grabIfAsked(QMessageBox* box, const QString& name) {
  if (const char* folder = std::getenv("SONAREL_GRAB_DIR")) {
    box->grab().save(QString("%1/%2.png").arg(folder, name));
  }
}

class MessageBoxes : public ::testing::TestWithParam<Language> {
 protected:
  void SetUp() override { ASSERT_TRUE(languages.apply(GetParam())); }
  void TearDown() override { languages.apply(Language::English); }
  QString suffix() const {
    return GetParam() == Language::English ? "en" : Languages::suffixOf(GetParam());
  }

  Languages languages;
  QWidget parent;
};

TEST_P(MessageBoxes, DeleteQuestionsNameWhatTheyEraseAndDefaultToNo) {
  BoxPrompt prompt(&parent);
  const Message deleteFile = Message{MessageId::ConfirmDeleteFile}.with(
      {MessageId::DeleteWhichVoiceFile, {"3", "03/14/2026"}});
  QString informative;
  bool noIsDefault = false;
  whenBoxShows(
      [&](QMessageBox* box) {
        informative = box->informativeText();
        noIsDefault = box->defaultButton() == box->button(QMessageBox::No);
        grabIfAsked(box, "delete-file-" + suffix());
      },
      QMessageBox::No);
  EXPECT_FALSE(prompt.ask(deleteFile));
  EXPECT_TRUE(noIsDefault);
  EXPECT_EQ(informative, detailText(deleteFile));
  EXPECT_TRUE(informative.contains("03/14/2026"));

  const Message deleteClient =
      Message{MessageId::ConfirmDeleteClient}.with({MessageId::DeleteWhichClient, {"Ana", "7"}});
  whenBoxShows(
      [&](QMessageBox* box) {
        noIsDefault = box->defaultButton() == box->button(QMessageBox::No);
        grabIfAsked(box, "delete-client-" + suffix());
      },
      QMessageBox::Yes);
  EXPECT_TRUE(prompt.ask(deleteClient));
  EXPECT_TRUE(noIsDefault);

  // Questions that erase nothing keep Yes as their default.
  whenBoxShows(
      [&](QMessageBox* box) { noIsDefault = box->defaultButton() == box->button(QMessageBox::No); },
      QMessageBox::Yes);
  EXPECT_TRUE(prompt.ask(Message{MessageId::RestoreDatesQuestion}));
  EXPECT_FALSE(noIsDefault);
}

TEST_P(MessageBoxes, ARefusalShowsItsReasonAsTheInformativeText) {
  BoxPrompt prompt(&parent, QMessageBox::Warning);
  const Message refused = Message{MessageId::SampleRateVoiceAnalysis}.with(
      {MessageId::FileStereo, {"/data/pac001/wv002.wav", "2"}});
  QString text, informative;
  whenBoxShows(
      [&](QMessageBox* box) {
        text = box->text();
        informative = box->informativeText();
        grabIfAsked(box, "refusal-" + suffix());
      },
      QMessageBox::Ok);
  prompt.tell(refused);
  EXPECT_EQ(text, messageText(refused));
  EXPECT_TRUE(informative.startsWith("/data/pac001/wv002.wav")) << informative.toStdString();
  if (GetParam() != Language::English) {
    EXPECT_NE(informative, QString::fromStdString(refused.detailText())) << "translated";
  }
}

// Qt's own translations are loaded with ours: the standard buttons follow the language.
TEST_P(MessageBoxes, StandardButtonsFollowTheLanguage) {
  if (GetParam() == Language::English) GTEST_SKIP() << "nothing to translate";
  QMessageBox box(QMessageBox::Question, "", "",
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  // "No" is "No" in Spanish too: Yes and Cancel tell.
  EXPECT_NE(box.button(QMessageBox::Yes)->text().remove('&'), "Yes") << suffix().toStdString();
  EXPECT_NE(box.button(QMessageBox::Cancel)->text().remove('&'), "Cancel")
      << suffix().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, MessageBoxes,
                         ::testing::Values(Language::English, Language::Spanish, Language::Korean,
                                           Language::Portuguese));

}  // namespace
}  // namespace sonarel::app
