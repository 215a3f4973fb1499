// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commands/command_table.h"

#include <QtGlobal>

#include "app/frame/main_frame.h"
#include "app/views/display_registry.h"

namespace sonarel::app {
namespace {

using F = CMainFrame;
using E = Enable;

// A command whose feature is not built yet: listed in its menu, always disabled.
CommandInfo notBuilt(int id, const char* text, const char* tip, TopMenu menu, MenuSet set,
                     const char* shortcut = "", bool separatorBefore = false) {
  return {id, text, tip, menu, set, shortcut, false, separatorBefore, false, Enable::OpenFile, {}};
}

// The commands that are not display modes, in menu order.
std::vector<CommandInfo> fixedCommands() {
  using M = TopMenu;
  using S = MenuSet;
  return {
      // Client
      {cmd::NewClient, QT_TRANSLATE_NOOP("Command", "&New Client..."),
       QT_TRANSLATE_NOOP("Command", "Create a new Client"), M::Client, S::Both, "", true, false,
       false, E::Always, [](F& f) { f.newClient(); }},
      {cmd::ClientList, QT_TRANSLATE_NOOP("Command", "&Clients..."),
       QT_TRANSLATE_NOOP("Command", "Show a Client list"), M::Client, S::Both, "", true, false,
       false, E::Always, [](F& f) { f.showClientList(); }},
      {cmd::PersonalInformation, QT_TRANSLATE_NOOP("Command", "&Personal Information..."),
       QT_TRANSLATE_NOOP("Command", "Verify/Edit Personal Information"), M::Client, S::Both, "",
       true, false, false, E::Client, [](F& f) { f.editPersonalInformation(); }},
      {cmd::DeleteClient, QT_TRANSLATE_NOOP("Command", "Dele&te Client..."),
       QT_TRANSLATE_NOOP("Command", "Delete the current client"), M::Client, S::Both, "", true,
       false, false, E::Client, [](F& f) { f.deleteClientAsked(f.currentClient().code); }},
      {cmd::OpenFiles, QT_TRANSLATE_NOOP("Command", "&Files..."),
       QT_TRANSLATE_NOOP("Command", "Open Files"), M::Client, S::Both, "", true, false, false,
       E::Client, [](F& f) { f.showFiles(); }},
      {cmd::EditNotes, QT_TRANSLATE_NOOP("Command", "Edit &Notes..."),
       QT_TRANSLATE_NOOP("Command", "Edit the notes of the open file"), M::Client, S::Both, "",
       true, false, false, E::OpenClientFile, [](F& f) { f.editOpenFileNotes(); }},
      {cmd::DeleteFiles, QT_TRANSLATE_NOOP("Command", "&Delete Files..."),
       QT_TRANSLATE_NOOP("Command", "Delete Files"), M::Client, S::Both, "", true, false, false,
       E::OpenClientFile, [](F& f) { f.deleteOpenFile(); }},
      {cmd::Backup, QT_TRANSLATE_NOOP("Command", "&Backup..."),
       QT_TRANSLATE_NOOP("Command", "Copy the client register to a backup folder"), M::Client,
       S::Both, "", true, true, false, E::Always, [](F& f) { f.showBackup(); }},
      {cmd::BackupRestore, QT_TRANSLATE_NOOP("Command", "&Restore..."),
       QT_TRANSLATE_NOOP("Command", "Restore the client register from a backup folder"), M::Client,
       S::Both, "", true, false, false, E::Always, [](F& f) { f.showBackup(); }},
      {cmd::OpenSoundFile, QT_TRANSLATE_NOOP("Command", "&Open..."),
       QT_TRANSLATE_NOOP("Command", "Open a sound file from outside a client folder"), M::Client,
       S::Both, "Ctrl+O", true, true, false, E::Always, [](F& f) { f.openWithDialog(); }},
      {cmd::OpenDemo, QT_TRANSLATE_NOOP("Command", "Open the Demo Register"),
       QT_TRANSLATE_NOOP("Command", "Open a register of example clients in a new window"),
       M::Client, S::Both, "", true, false, false, E::Always, [](F& f) { f.openDemoRegister(); }},
      {cmd::CloseSoundFile, QT_TRANSLATE_NOOP("Command", "C&lose"),
       QT_TRANSLATE_NOOP("Command", "Close the sound file"), M::Client, S::Both, "Ctrl+W", true,
       false, false, E::OpenFile, [](F& f) { f.closeSoundFile(); }},
      {cmd::Print, QT_TRANSLATE_NOOP("Command", "&Print..."),
       QT_TRANSLATE_NOOP("Command", "Print the chosen screens"), M::Client, S::Both, "Ctrl+P", true,
       true, false, E::OpenFile, [](F& f) { f.printReport(false); }},
      {cmd::PrintPreview, QT_TRANSLATE_NOOP("Command", "Print Pre&view"),
       QT_TRANSLATE_NOOP("Command", "Show the printed pages"), M::Client, S::Both, "", true, false,
       false, E::OpenFile, [](F& f) { f.printReport(true); }},
      {cmd::ExportReportPdf, QT_TRANSLATE_NOOP("Command", "Export Report as PDF..."),
       QT_TRANSLATE_NOOP("Command", "Write the chosen screens to a PDF file"), M::Client, S::Both,
       "", true, false, false, E::OpenFile, [](F& f) { f.exportReportPdf(); }},
      {cmd::Exit, QT_TRANSLATE_NOOP("Command", "E&xit"),
       QT_TRANSLATE_NOOP("Command", "Quit Sonarel"), M::Client, S::Both, "Ctrl+Q", true, true,
       false, E::Always, [](F& f) { f.close(); }},
      // Audio
      {cmd::Play, QT_TRANSLATE_NOOP("Command", "&Play"),
       QT_TRANSLATE_NOOP("Command", "Play the sound file or the marked stretch"), M::Audio, S::Both,
       "Space", true, false, false, E::OpenFile, [](F& f) { f.play(false); }},
      {cmd::Record, QT_TRANSLATE_NOOP("Command", "&Record..."),
       QT_TRANSLATE_NOOP("Command", "Record the open client file"), M::Audio, S::Both, "", true,
       false, false, E::RecordTarget, [](F& f) { f.recordViewFile(); }},
      {32833, QT_TRANSLATE_NOOP("Command", "Record a &Voice Analysis File..."),
       QT_TRANSLATE_NOOP("Command", "Record a Voice Analysis File"), M::Audio, S::Both, "Ctrl+R",
       true, true, false, E::Client,
       [](F& f) { f.prepareNewRecording(records::RecordingType::VoiceAnalysis); }},
      {32834, QT_TRANSLATE_NOOP("Command", "Record a Vocal &Quality File..."),
       QT_TRANSLATE_NOOP("Command", "Record a Vocal Quality File"), M::Audio, S::Both, "", true,
       false, false, E::Client,
       [](F& f) { f.prepareNewRecording(records::RecordingType::VocalQuality); }},
      {cmd::Import, QT_TRANSLATE_NOOP("Command", "&Import..."),
       QT_TRANSLATE_NOOP("Command", "Import an outside sound file into the client folder"),
       M::Audio, S::Both, "", true, true, false, E::RecordTarget,
       [](F& f) { f.importSoundFile(); }},
      notBuilt(32911, QT_TRANSLATE_NOOP("Command", "Vo&lume..."),
               QT_TRANSLATE_NOOP("Command", "Playback and record volume"), M::Audio, S::Both),
      // Edit
      {cmd::Undo, QT_TRANSLATE_NOOP("Command", "&Undo"),
       QT_TRANSLATE_NOOP("Command", "Undo the last change"), M::Edit, S::Both, "Ctrl+Z", true,
       false, false, E::Undo, [](F& f) { f.editSound(EditCommand::Undo); }},
      {cmd::Cut, QT_TRANSLATE_NOOP("Command", "Cu&t"),
       QT_TRANSLATE_NOOP("Command", "Cut the marked stretch"), M::Edit, S::Both, "Ctrl+X", true,
       true, false, E::Edit, [](F& f) { f.editSound(EditCommand::Cut); }},
      {cmd::Copy, QT_TRANSLATE_NOOP("Command", "&Copy"),
       QT_TRANSLATE_NOOP("Command", "Copy the marked stretch"), M::Edit, S::Both, "Ctrl+C", true,
       false, false, E::Edit, [](F& f) { f.editSound(EditCommand::Copy); }},
      {cmd::Paste, QT_TRANSLATE_NOOP("Command", "&Paste"),
       QT_TRANSLATE_NOOP("Command", "Paste the copied stretch"), M::Edit, S::Both, "Ctrl+V", true,
       false, false, E::Paste, [](F& f) { f.editSound(EditCommand::Paste); }},
      {cmd::Silence, QT_TRANSLATE_NOOP("Command", "&Silence"),
       QT_TRANSLATE_NOOP("Command", "Silence the marked stretch"), M::Edit, S::Both, "", true,
       false, false, E::Edit, [](F& f) { f.editSound(EditCommand::Silence); }},
      {cmd::AmplifyVolume, QT_TRANSLATE_NOOP("Command", "&Amplify Volume..."),
       QT_TRANSLATE_NOOP("Command", "Amplify the marked stretch"), M::Edit, S::Both, "", true,
       false, false, E::Edit, [](F& f) { f.amplifyVolume(); }},
      {cmd::SelectAll, QT_TRANSLATE_NOOP("Command", "Select &All"),
       QT_TRANSLATE_NOOP("Command", "Select all sound file"), M::Edit, S::Both, "Ctrl+A", true,
       true, false, E::OpenFile, [](F& f) { f.selectAll(); }},
      {cmd::Zoom, QT_TRANSLATE_NOOP("Command", "&Zoom +"),
       QT_TRANSLATE_NOOP("Command", "Zoom into the marked stretch, or back out"), M::Edit, S::Both,
       "Ctrl+=", true, false, true, E::Zoom, [](F& f) { f.toggleZoom(); }},
      {cmd::SaveChanges, QT_TRANSLATE_NOOP("Command", "Sa&ve Changes"),
       QT_TRANSLATE_NOOP("Command", "Save the changed sound file"), M::Edit, S::Both, "Ctrl+S",
       true, true, false, E::Modified, [](F& f) { f.saveChanges(); }},
      // Analysis of voice-analysis files
      {cmd::CalculateIntensity, QT_TRANSLATE_NOOP("Command", "Calculate Intensity"),
       QT_TRANSLATE_NOOP("Command", "Recompute the intensity contour"), M::Analysis, S::Voice, "",
       true, true, false, E::OpenFile, [](F& f) { f.calculateIntensity(); }},
      {cmd::ExportF0, QT_TRANSLATE_NOOP("Command", "Export F0 to Text File..."),
       QT_TRANSLATE_NOOP("Command", "Save the F0 contour as text"), M::Analysis, S::Voice, "", true,
       true, false, E::OpenFile, [](F& f) { f.exportText(cmd::ExportF0); }},
      {cmd::ExportIntensity, QT_TRANSLATE_NOOP("Command", "Export Intensity to Text File..."),
       QT_TRANSLATE_NOOP("Command", "Save the intensity contour as text"), M::Analysis, S::Voice,
       "", true, false, false, E::OpenFile, [](F& f) { f.exportText(cmd::ExportIntensity); }},
      {cmd::ExportStatistics, QT_TRANSLATE_NOOP("Command", "Export Statistics to Text File..."),
       QT_TRANSLATE_NOOP("Command", "Save the statistics as text"), M::Analysis, S::Voice, "", true,
       false, false, E::OpenFile, [](F& f) { f.exportText(cmd::ExportStatistics); }},
      // Follow-up of vocal-quality files ("View" is the follow-up display's command)
      {cmd::FollowUpAdd, QT_TRANSLATE_NOOP("Command", "Add File..."),
       QT_TRANSLATE_NOOP("Command", "Add a recording to the follow-up"), M::FollowUp, S::Quality,
       "", true, false, false, E::OpenClientFile, [](F& f) { f.addFollowUpFile(); }},
      {cmd::FollowUpRemove, QT_TRANSLATE_NOOP("Command", "Remove File..."),
       QT_TRANSLATE_NOOP("Command", "Remove a recording from the follow-up"), M::FollowUp,
       S::Quality, "", true, false, false, E::OpenFile, [](F& f) { f.removeFollowUpFile(); }},
      {cmd::FollowUpClean, QT_TRANSLATE_NOOP("Command", "Clean All"),
       QT_TRANSLATE_NOOP("Command", "Empty the follow-up"), M::FollowUp, S::Quality, "", true,
       false, false, E::OpenFile, [](F& f) { f.cleanFollowUp(); }},
      // Settings
      {cmd::ConfigureF0, QT_TRANSLATE_NOOP("Command", "Configure Fundamental Frequency..."),
       QT_TRANSLATE_NOOP("Command", "Configure F0"), M::Settings, S::Both, "", true, false, false,
       E::Always, [](F& f) { f.configureF0(); }},
      {cmd::ConfigureIntensity, QT_TRANSLATE_NOOP("Command", "Configure Intensity..."),
       QT_TRANSLATE_NOOP("Command", "Configure Intensity"), M::Settings, S::Voice, "", true, false,
       false, E::Always, [](F& f) { f.configureIntensity(); }},
      {cmd::ConfigurePowerSpectrum, QT_TRANSLATE_NOOP("Command", "Configure Power Spectrum..."),
       QT_TRANSLATE_NOOP("Command", "Transform size and window of the power spectrum"), M::Settings,
       S::Voice, "", true, false, false, E::Always, [](F& f) { f.configurePowerSpectrum(); }},
      {cmd::ConfigureLpc, QT_TRANSLATE_NOOP("Command", "Configure LPC Spectrum..."),
       QT_TRANSLATE_NOOP("Command", "Order and window of the LPC spectrum"), M::Settings, S::Voice,
       "", true, false, false, E::Always, [](F& f) { f.configureLpc(); }},
      {cmd::BandWide, QT_TRANSLATE_NOOP("Command", "Wide  (300 Hz)"),
       QT_TRANSLATE_NOOP("Command", "Spectrogram band"), M::Settings, S::Voice, "", true, true,
       true, E::Always, [](F& f) { f.chooseBand(cmd::BandWide); }},
      {cmd::BandMiddle, QT_TRANSLATE_NOOP("Command", "Middle (55 Hz)"),
       QT_TRANSLATE_NOOP("Command", "Spectrogram band"), M::Settings, S::Voice, "", true, false,
       true, E::Always, [](F& f) { f.chooseBand(cmd::BandMiddle); }},
      {cmd::BandNarrow, QT_TRANSLATE_NOOP("Command", "Narrow(25 Hz)"),
       QT_TRANSLATE_NOOP("Command", "Spectrogram band"), M::Settings, S::Voice, "", true, false,
       true, E::Always, [](F& f) { f.chooseBand(cmd::BandNarrow); }},
      {cmd::BlackAndWhite, QT_TRANSLATE_NOOP("Command", "Black and White"),
       QT_TRANSLATE_NOOP("Command", "Spectrogram in grey"), M::Settings, S::Voice, "", true, false,
       true, E::Always, [](F& f) { f.toggleBlackAndWhite(); }},
      {cmd::ConfigureVowelSpace, QT_TRANSLATE_NOOP("Command", "Configure Vowel Space..."),
       QT_TRANSLATE_NOOP("Command", "Configure Vowel Space"), M::Settings, S::Voice, "", true, true,
       false, E::Always, [](F& f) { f.configureVowelSpace(); }},
      {cmd::ConfigureRecord, QT_TRANSLATE_NOOP("Command", "Record..."),
       QT_TRANSLATE_NOOP("Command", "Configure Record Input"), M::Settings, S::Both, "", true, true,
       false, E::Always, [](F& f) { f.configureRecord(); }},
      {cmd::ConfigureAdapter, QT_TRANSLATE_NOOP("Command", "Conf USB..."),
       QT_TRANSLATE_NOOP("Command", "USB adapter settings"), M::Settings, S::Both, "", true, false,
       false, E::Always, [](F& f) { f.configureAdapter(); }},
      {cmd::English, QT_TRANSLATE_NOOP("Command", "English"),
       QT_TRANSLATE_NOOP("Command", "Show Sonarel in English"), M::Settings, S::Both, "", true,
       true, true, E::Always, [](F& f) { f.chooseLanguage(Language::English); }},
      {cmd::Spanish, QT_TRANSLATE_NOOP("Command", "Español"),
       QT_TRANSLATE_NOOP("Command", "Show Sonarel in Spanish"), M::Settings, S::Both, "", true,
       false, true, E::Always, [](F& f) { f.chooseLanguage(Language::Spanish); }},
      {cmd::Korean, QT_TRANSLATE_NOOP("Command", "한국어"),
       QT_TRANSLATE_NOOP("Command", "Show Sonarel in Korean"), M::Settings, S::Both, "", true,
       false, true, E::Always, [](F& f) { f.chooseLanguage(Language::Korean); }},
      {cmd::Portuguese, QT_TRANSLATE_NOOP("Command", "Português"),
       QT_TRANSLATE_NOOP("Command", "Show Sonarel in Portuguese"), M::Settings, S::Both, "", true,
       false, true, E::Always, [](F& f) { f.chooseLanguage(Language::Portuguese); }},
      // Compare
      {cmd::CompareWithFile, QT_TRANSLATE_NOOP("Command", "Compare with File..."),
       QT_TRANSLATE_NOOP("Command", "Compare with another file of the client"), M::Compare, S::Both,
       "", true, false, false, E::OpenClientFile, [](F& f) { f.compareWithFile(); }},
      {cmd::OpenModel, QT_TRANSLATE_NOOP("Command", "Open Model..."),
       QT_TRANSLATE_NOOP("Command", "Compare with a model recording"), M::Compare, S::Both, "",
       true, false, false, E::OpenFile, [](F& f) { f.openModel(); }},
      {cmd::SaveAsModel, QT_TRANSLATE_NOOP("Command", "Save as a Model..."),
       QT_TRANSLATE_NOOP("Command", "Save the open file as a model"), M::Compare, S::Both, "", true,
       false, false, E::OpenFile, [](F& f) { f.saveAsModel(); }},
      {cmd::CloseComparison, QT_TRANSLATE_NOOP("Command", "Close"),
       QT_TRANSLATE_NOOP("Command", "Close the comparison"), M::Compare, S::Both, "", true, true,
       false, E::Comparison, [](F& f) { f.closeComparison(); }},
      // Help
      {cmd::HelpContents, QT_TRANSLATE_NOOP("Command", "&Contents"),
       QT_TRANSLATE_NOOP("Command", "Open the help"), M::Help, S::Both, "F1", true, false, false,
       E::Always, [](F& f) { f.showHelp(); }},
      {cmd::About, QT_TRANSLATE_NOOP("Command", "&About Sonarel..."),
       QT_TRANSLATE_NOOP("Command", "Program information"), M::Help, S::Both, "", true, true, false,
       E::Always, [](F& f) { f.showAbout(); }},
      // The pop-up menu of a marked stretch
      {cmd::PlaySelection, QT_TRANSLATE_NOOP("Command", "Play"),
       QT_TRANSLATE_NOOP("Command", "Play the marked stretch"), M::Context, S::Both, "", true,
       false, false, E::OpenFile, [](F& f) { f.play(true); }},
      // The pop-up menu of the comparison
      {cmd::PlayComparison, QT_TRANSLATE_NOOP("Command", "Play"),
       QT_TRANSLATE_NOOP("Command", "Play the comparison recording"), M::Context, S::Both, "", true,
       false, false, E::Comparison, [](F& f) { f.playComparison(); }},
      {cmd::ZoomComparison, QT_TRANSLATE_NOOP("Command", "&Zoom +"),
       QT_TRANSLATE_NOOP("Command", "Zoom the comparison into its marked stretch, or out"),
       M::Context, S::Both, "", true, false, false, E::Comparison,
       [](F& f) { f.zoomComparison(); }},
  };
}

CommandInfo commandOf(const DisplayModeEntry& entry) {
  return {entry.command,
          entry.menuText,
          entry.tip,
          entry.menu,
          entry.kinds,
          entry.shortcut,
          true,
          entry.separatorBefore,
          false,
          Enable::OpenFile,
          [code = entry.code, live = entry.live()](CMainFrame& frame) {
            if (live) {
              frame.startLiveDisplay(code);
            } else {
              frame.showMode(code);
            }
          }};
}

// The display modes' commands open the Analysis menu.
std::vector<CommandInfo> allCommands() {
  std::vector<CommandInfo> table;
  bool modesAdded = false;
  for (CommandInfo& command : fixedCommands()) {
    if (!modesAdded && command.menu == TopMenu::Analysis) {
      for (const DisplayModeEntry& entry : displayRegistry().entries())
        table.push_back(commandOf(entry));
      modesAdded = true;
    }
    table.push_back(std::move(command));
  }
  return table;
}

}  // namespace

const std::vector<CommandInfo>& commandTable() {
  static std::vector<CommandInfo> table;
  static std::size_t modes = 0;
  // Rebuilt when a display mode has joined the registry since.
  if (table.empty() || modes != displayRegistry().entries().size()) {
    table = allCommands();
    modes = displayRegistry().entries().size();
  }
  return table;
}

const CommandInfo* findCommand(int id) {
  for (const CommandInfo& command : commandTable()) {
    if (command.id == id) return &command;
  }
  return nullptr;
}

}  // namespace sonarel::app
