// SPDX-License-Identifier: GPL-3.0-or-later
// Every visible text of every window and dialog, in Spanish, Korean and Portuguese: the ones
// still shown in English are listed, and only the texts of kExceptions may be.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <functional>
#include <memory>

#include "app/dialogs/backup/backup_dialog.h"
#include "app/dialogs/clients/client_dialog.h"
#include "app/dialogs/clients/client_list_dialog.h"
#include "app/dialogs/clients/files_dialog.h"
#include "app/dialogs/clients/sound_file_dialog.h"
#include "app/dialogs/editing/amplify_dialog.h"
#include "app/dialogs/follow_up/remove_follow_up_dialog.h"
#include "app/dialogs/import/converter_dialog.h"
#include "app/dialogs/recording/adapter_settings_dialog.h"
#include "app/dialogs/recording/configure_record_dialog.h"
#include "app/dialogs/recording/record_dialog.h"
#include "app/dialogs/settings/configure_f0_dialog.h"
#include "app/dialogs/settings/configure_intensity_dialog.h"
#include "app/dialogs/settings/configure_spectrum_dialogs.h"
#include "app/dialogs/settings/configure_vowel_space_dialog.h"
#include "app/frame/main_frame.h"
#include "app/help_window.h"
#include "app/printing/print_dialog.h"
#include "app/session/prompt.h"
#include "audio/scripted_capture_device.h"
#include "audio/scripted_playback_device.h"
#include "core/tests/wave_fixtures.h"
#include "records/tests/folder_fixtures.h"

namespace sonarel::app {
namespace {

// Texts that read the same in a language as in English: units, acronyms and names of
// methods and measures, the program's name, each language's own name in the language menu,
// Qt's own "OK" where a language keeps it, and words that Spanish or Portuguese share with
// English ("Audio", "Volume", "Rectangular", "Magnitude", the loanword "Zoom", "Pos." for
// position).
const QSet<QString> kExceptions = {
    "Sonarel",   "F0",    "F1",     "F2",      "Hz",          "dB",        "SRPD",
    "AMDF",      "LPC",   "OK",     "Hamming", "Ok",          "Jitter",    "Shimmer",
    "GNE",       "FFT",   "IPA",    "F1 (Hz)", "F2 (Hz)",     "English",   "Español",
    "Português", "Audio", "Volume", "Zoom +",  "Rectangular", "Magnitude", "Pos. 0.00 s",
};

// Data rather than text: file names and paths, rates, phonetic symbols (one character).
bool isData(const QString& plain) {
  static const QRegularExpression rate("^\\d+ Hz$");
  return plain.contains(".wav") || plain.startsWith('/') || rate.match(plain).hasMatch() ||
         plain.size() <= 1;
}

// What the user reads in a widget tree, in the order of the tree: titles, labels, buttons,
// group titles, list entries, column headers, tab names, menu entries and tips.
QStringList visibleTexts(QWidget* root) {
  QStringList texts{root->windowTitle()};
  QList<QWidget*> widgets{root};
  widgets += root->findChildren<QWidget*>();
  for (QWidget* w : widgets) {
    if (!w->toolTip().isEmpty()) texts << w->toolTip();
    if (auto* label = qobject_cast<QLabel*>(w)) texts << label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) texts << button->text();
    if (auto* group = qobject_cast<QGroupBox*>(w)) texts << group->title();
    if (auto* edit = qobject_cast<QLineEdit*>(w)) texts << edit->placeholderText();
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
      for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
    }
    if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
      for (int i = 0; i < tree->columnCount(); ++i) texts << tree->headerItem()->text(i);
    }
    if (auto* table = qobject_cast<QTableWidget*>(w)) {
      for (int i = 0; i < table->columnCount(); ++i) {
        if (auto* item = table->horizontalHeaderItem(i)) texts << item->text();
      }
    }
    if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
      for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
    }
  }
  for (QAction* action : root->findChildren<QAction*>()) {
    texts << action->text() << action->statusTip();
  }
  return texts;
}

// Worth translating: it has a letter, and is not an exception (accelerators and trailing
// dots aside).
bool wantsTranslation(const QString& text) {
  QString plain = text;
  plain.remove('&');
  plain = plain.trimmed();
  while (plain.endsWith('.') || plain.endsWith(':')) plain.chop(1);
  static const QRegularExpression letter("[A-Za-z]");
  return plain.contains(letter) && !kExceptions.contains(plain) && !isData(plain);
}

struct Scene {
  const char* name;
  std::function<std::unique_ptr<QWidget>()> make;
};

class UntranslatedText : public ::testing::Test {
 protected:
  void SetUp() override {
    wave = QString::fromStdString(
        scratch.write("wv001.wav", testing::simpleWave(11025, testing::sine(180, 11025, 11025))));
    quality = QString::fromStdString(
        scratch.write("qv002.wav", testing::simpleWave(44100, testing::sine(180, 44100, 44100))));
    records::ClientRecord ana;
    ana.code = 1;
    ana.name = "Ana";
    ana.type = 1;
    ASSERT_TRUE(table.create().ok());
    ASSERT_TRUE(table.append(ana).ok());
    testing::DataFolder::put(
        data.client(1).recordingPath(records::RecordingType::VoiceAnalysis, 1));
  }
  void TearDown() override { languages.apply(Language::English); }

  std::vector<Scene> scenes() {
    const auto frameWith = [this](QString file) {
      return [this, file]() -> std::unique_ptr<QWidget> {
        auto frame = std::make_unique<CMainFrame>(
            FrameOptions{QString::fromStdString(data.path()), &prompt}, languages, &playback);
        frame->openFile(file);
        return frame;
      };
    };
    const Language language = languages.current();
    const records::ClientFolder folder = data.client(1);
    return {
        {"main window, voice analysis", frameWith(wave)},
        {"main window, vocal quality", frameWith(quality)},
        {"Configure F0", [] { return std::make_unique<ConfigureF0Dialog>(core::F0Settings{}); }},
        {"Configure Intensity",
         [] { return std::make_unique<ConfigureIntensityDialog>(core::IntensitySettings{}); }},
        {"Power spectrum",
         [] {
           return std::make_unique<ConfigurePowerSpectrumDialog>(spectral::PowerSpectrumSettings{});
         }},
        {"LPC", [] { return std::make_unique<ConfigureLpcDialog>(spectral::LpcSettings{}); }},
        {"Vowel space",
         [] { return std::make_unique<CConfVogal>(0, 0, spectral::DefaultVowelTargets(0)); }},
        {"Amplify", [] { return std::make_unique<AmplifyDialog>(); }},
        {"New sound file", [] { return std::make_unique<SoundFileDialog>(); }},
        {"Notice", [] { return std::make_unique<NoticeDialog>(); }},
        {"Converter",
         [] {
           return std::make_unique<CConverter>(
               ConversionQuestion{"take.wav", 48000, 2, "wv001.wav"});
         }},
        {"Adapter",
         [] { return std::make_unique<AdapterSettingsDialog>(audio::AdapterSettings{}); }},
        {"Configure recording", [] { return std::make_unique<CConfGravar>(0, 11025); }},
        {"Record",
         [this] {
           return std::make_unique<CGravacao>(audio::RecordingJob{scratch.file("wv009.wav"),
                                                                  core::FileKind::VoiceAnalysis,
                                                                  11025,
                                                                  scratch.path().string(),
                                                                  {}},
                                              capture, &playback, nullptr);
         }},
        {"Client",
         [language] {
           return std::make_unique<ClientDialog>(ClientDialog::Mode::Insert,
                                                 records::ClientRecord{}, language);
         }},
        {"Client list",
         [this, language] {
           return std::make_unique<ClientListDialog>(table, QString::fromStdString(data.path()),
                                                     language);
         }},
        {"Files",
         [folder, language] {
           return std::make_unique<FilesDialog>(folder, "Ana", language, false);
         }},
        {"Backup",
         [this, language] {
           return std::make_unique<CBackup>(QString::fromStdString(data.path()), language);
         }},
        {"Backup wait", [] { return std::make_unique<BackupWaitWindow>(); }},
        {"Follow-up",
         [language] {
           return std::make_unique<CRemoverFollowUp>(FollowUpSeries{}, static_cast<int>(language));
         }},
        {"Print",
         [] { return std::make_unique<CImprimir>(core::FileKind::VoiceAnalysis, PrintChoices{}); }},
        {"Print vocal quality", [] { return std::make_unique<CImprimirQV>(PrintChoices{}); }},
        {"Help", [] { return std::make_unique<HelpWindow>(); }},
    };
  }

  // Every scene's texts in `language`, scene by scene.
  std::vector<QStringList> textsIn(Language language) {
    EXPECT_TRUE(languages.apply(language));
    std::vector<QStringList> all;
    for (const Scene& scene : scenes()) {
      auto widget = scene.make();
      all.push_back(visibleTexts(widget.get()));
    }
    return all;
  }

  testing::ScratchDir scratch;
  testing::DataFolder data;
  records::ClientTable table{data.path() + "/pacb.dbf"};
  Languages languages;
  ScriptedPrompt prompt;
  audio::ScriptedPlaybackDevice playback;
  audio::ScriptedCaptureDevice capture;
  QString wave, quality;
};

TEST_F(UntranslatedText, OnlyTheExceptionsStayInEnglish) {
  const std::vector<QStringList> english = textsIn(Language::English);
  for (Language language : {Language::Spanish, Language::Korean, Language::Portuguese}) {
    const std::vector<QStringList> translated = textsIn(language);
    ASSERT_EQ(translated.size(), english.size());
    QStringList untranslated;
    const auto names = scenes();
    for (std::size_t s = 0; s < english.size(); ++s) {
      const QSet<QString> inEnglish(english[s].begin(), english[s].end());
      for (const QString& text : translated[s]) {
        if (wantsTranslation(text) && inEnglish.contains(text)) {
          untranslated << QString("%1: %2").arg(names[s].name, text);
        }
      }
    }
    untranslated.removeDuplicates();
    EXPECT_TRUE(untranslated.isEmpty()) << Languages::suffixOf(language) << ", still in English:\n"
                                        << untranslated.join('\n').toStdString();
  }
}

}  // namespace
}  // namespace sonarel::app
