// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every command of the workstation's two menus (one for voice-analysis files, one for
// vocal-quality files): its number, its English text (translated at run time), the menu
// it sits in, its shortcut, whether this build carries it out, when it is enabled and what
// it does. Commands whose feature is not built are shown disabled, never pretending to work.
// The display modes' commands come from the display-mode registry.

#include <functional>
#include <string_view>
#include <vector>

namespace sonarel::app {

enum class MenuSet { Both, Voice, Quality };

enum class TopMenu {
  Client,
  Audio,
  Edit,
  Analysis,
  Settings,
  RealTime,
  Compare,
  FollowUp,
  Help,
  Context,  // the pop-up menu of a marked stretch only
};

// When an action is enabled (besides being built, the window not being busy and the command
// belonging to the menus of the open file's kind).
enum class Enable {
  Always,
  OpenFile,        // a recording is open
  Client,          // a client is chosen
  OpenClientFile,  // one of the client's files is open
  Zoom,            // a recording is open, and zoomed or with a marked stretch
  RecordTarget,    // a client file is open or prepared and no real-time display plays
  Edit,            // a recording is open and no real-time display plays it
  Paste,           // as Edit, with a copied stretch not pasted yet
  Undo,            // as Edit, with a change to revert
  Modified,        // the open recording has changes not saved
  Comparison,      // a comparison is open
};

class CMainFrame;

// Command numbers that the code refers to.
namespace cmd {
constexpr int NewClient = 32811;
constexpr int ClientList = 32812;
constexpr int OpenFiles = 32813;
constexpr int DeleteFiles = 32815;
constexpr int EditNotes = 32816;  // the notes of the open client file
constexpr int OpenDemo = 33041;   // the demo register, in a window of its own
constexpr int PersonalInformation = 32817;
constexpr int DeleteClient = 1040;
constexpr int Backup = 32901;  // both open "Backup/Restore"
constexpr int BackupRestore = 32902;
constexpr int RecordVoiceAnalysis = 32833;
constexpr int RecordVocalQuality = 32834;
constexpr int OpenSoundFile = 57601;  // "Open..." (outside a client folder)
constexpr int CloseSoundFile = 57602;
constexpr int RecentFile1 = 57616;  // to 57619
constexpr int Print = 57607;
constexpr int PrintPreview = 57609;
constexpr int ExportReportPdf = 33020;
constexpr int Exit = 57665;
constexpr int Play = 32810;
constexpr int PlaySelection = 32780;  // "Play" in the pop-up menu of a marked stretch
constexpr int Record = 209;           // "&Record...": records the view's client file
constexpr int ConfigureRecord = 32890;
constexpr int Import = 32886;
constexpr int ConfigureAdapter = 32912;
constexpr int Zoom = 32781;
constexpr int SelectAll = 32828;
constexpr int AmplifyVolume = 32826;
constexpr int Cut = 57635;
constexpr int Copy = 57634;
constexpr int Paste = 57637;
constexpr int Undo = 57643;
constexpr int Silence = 32829;
constexpr int SaveChanges = 32830;
constexpr int AudioSignal = 32798;
constexpr int Spectrogram = 32776;
constexpr int FundamentalFrequency = 32786;
constexpr int Intensity = 32789;
constexpr int Histogram = 32790;
constexpr int Statistics = 32791;
constexpr int LpcSpectrum = 32792;
constexpr int PowerSpectrum = 32793;
constexpr int F0AndIntensity = 32795;
constexpr int PowerAndLpc = 32796;
constexpr int VowelSpace = 32800;
constexpr int SpectrogramAmplitude = 32887;
constexpr int VocalAnalysisData = 32831;
constexpr int DeviationDiagram = 32832;
constexpr int SpectrogramIntensityF0 = 32835;
// "Real-Time": the displays drawn in step with the playback.
constexpr int LiveAudioSignal = 32802;
constexpr int LiveSpectrogram = 32809;
constexpr int LiveF0 = 32803;
constexpr int LiveIntensity = 32804;
constexpr int LiveLpcSpectrum = 32808;
constexpr int LivePowerSpectrum = 32807;
constexpr int LiveF0AndIntensity = 32805;
constexpr int LiveVowelSpace = 32806;
constexpr int LiveSpectrogramAmplitude = 32888;
constexpr int FollowUpAdd = 32892;
constexpr int FollowUpView = 32893;
constexpr int ClinicalMeasures = 32896;
constexpr int FollowUpRemove = 32894;
constexpr int FollowUpClean = 32895;
constexpr int ConfigureF0 = 33001;
constexpr int ConfigureIntensity = 33002;
constexpr int CalculateIntensity = 33003;
constexpr int ExportF0 = 33004;
constexpr int ExportIntensity = 33005;
constexpr int ExportStatistics = 33006;
constexpr int ConfigureVowelSpace = 32858;
constexpr int ConfigurePowerSpectrum = 32854;
constexpr int ConfigureLpc = 32855;
constexpr int BandWide = 32849;
constexpr int BandMiddle = 32850;
constexpr int BandNarrow = 32851;
constexpr int BlackAndWhite = 32783;
constexpr int English = 32907;
constexpr int Korean = 32908;
constexpr int Spanish = 32909;
constexpr int Portuguese = 32910;
constexpr int CompareWithFile = 32873;
constexpr int OpenModel = 32878;
constexpr int SaveAsModel = 32877;
constexpr int CloseComparison = 32874;
constexpr int PlayComparison = 32875;  // "Play" in the pop-up menu of the comparison
constexpr int ZoomComparison = 32876;  // "&Zoom +" in the pop-up menu of the comparison
constexpr int HelpContents = 32856;
constexpr int About = 57664;
}  // namespace cmd

struct CommandInfo {
  int id;
  const char* text;  // English menu text, with & for the mnemonic
  const char* tip;   // status-bar and tool-tip text
  TopMenu menu;
  MenuSet set;
  const char* shortcut;  // QKeySequence text, or ""
  bool built;            // false: shown disabled until its feature exists
  bool separatorBefore = false;
  bool checkable = false;
  Enable enable = Enable::OpenFile;
  std::function<void(CMainFrame&)> run;  // empty for commands not built
};

// The commands in menu order, the display modes' among them.
const std::vector<CommandInfo>& commandTable();
const CommandInfo* findCommand(int id);

}  // namespace sonarel::app
