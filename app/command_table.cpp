#include "app/command_table.h"

#include <QtGlobal>

#include "app/drawing/display_modes.h"

namespace sonarel::app {

const std::vector<CommandInfo>& commandTable() {
  using M = TopMenu;
  using S = MenuSet;
  static const std::vector<CommandInfo> table = {
      // Client
      {cmd::NewClient, QT_TRANSLATE_NOOP("Command", "&New Client..."),
       QT_TRANSLATE_NOOP("Command", "Create a new Client"), M::Client, S::Both, "", true},
      {cmd::ClientList, QT_TRANSLATE_NOOP("Command", "&Clients..."),
       QT_TRANSLATE_NOOP("Command", "Show a Client list"), M::Client, S::Both, "", true},
      {cmd::PersonalInformation, QT_TRANSLATE_NOOP("Command", "&Personal Information..."),
       QT_TRANSLATE_NOOP("Command", "Verify/Edit Personal Information"), M::Client, S::Both, "",
       true},
      {cmd::DeleteClient, QT_TRANSLATE_NOOP("Command", "Dele&te Client..."),
       QT_TRANSLATE_NOOP("Command", "Delete the current client"), M::Client, S::Both, "", true},
      {cmd::OpenFiles, QT_TRANSLATE_NOOP("Command", "&Files..."),
       QT_TRANSLATE_NOOP("Command", "Open Files"), M::Client, S::Both, "", true},
      {cmd::DeleteFiles, QT_TRANSLATE_NOOP("Command", "&Delete Files..."),
       QT_TRANSLATE_NOOP("Command", "Delete Files"), M::Client, S::Both, "", true},
      {32901, QT_TRANSLATE_NOOP("Command", "&Backup..."),
       QT_TRANSLATE_NOOP("Command", "Copy the client register to a backup folder"), M::Client,
       S::Both, "", false, true},
      {32902, QT_TRANSLATE_NOOP("Command", "&Restore..."),
       QT_TRANSLATE_NOOP("Command", "Restore the client register from a backup folder"), M::Client,
       S::Both, "", false},
      {cmd::OpenSoundFile, QT_TRANSLATE_NOOP("Command", "&Open..."),
       QT_TRANSLATE_NOOP("Command", "Open a sound file from outside a client folder"), M::Client,
       S::Both, "Ctrl+O", true, true},
      {cmd::CloseSoundFile, QT_TRANSLATE_NOOP("Command", "C&lose"),
       QT_TRANSLATE_NOOP("Command", "Close the sound file"), M::Client, S::Both, "Ctrl+W", true},
      {cmd::Print, QT_TRANSLATE_NOOP("Command", "&Print..."),
       QT_TRANSLATE_NOOP("Command", "Print the chosen screens"), M::Client, S::Both, "Ctrl+P",
       false, true},
      {cmd::PrintPreview, QT_TRANSLATE_NOOP("Command", "Print Pre&view"),
       QT_TRANSLATE_NOOP("Command", "Show the printed pages"), M::Client, S::Both, "", false},
      {cmd::Exit, QT_TRANSLATE_NOOP("Command", "E&xit"),
       QT_TRANSLATE_NOOP("Command", "Quit Sonarel"), M::Client, S::Both, "Ctrl+Q", true, true},
      // Audio
      {cmd::Play, QT_TRANSLATE_NOOP("Command", "&Play"),
       QT_TRANSLATE_NOOP("Command", "Play the sound file or the marked stretch"), M::Audio, S::Both,
       "Space", true},
      {cmd::Record, QT_TRANSLATE_NOOP("Command", "&Record..."),
       QT_TRANSLATE_NOOP("Command", "Record the open client file"), M::Audio, S::Both, "", true},
      {32833, QT_TRANSLATE_NOOP("Command", "Record a &Voice Analysis File..."),
       QT_TRANSLATE_NOOP("Command", "Record a Voice Analysis File"), M::Audio, S::Both, "Ctrl+R",
       true, true},
      {32834, QT_TRANSLATE_NOOP("Command", "Record a Vocal &Quality File..."),
       QT_TRANSLATE_NOOP("Command", "Record a Vocal Quality File"), M::Audio, S::Both, "", true},
      {32886, QT_TRANSLATE_NOOP("Command", "&Import..."),
       QT_TRANSLATE_NOOP("Command", "Import an outside sound file into the client folder"),
       M::Audio, S::Both, "", false, true},
      {32911, QT_TRANSLATE_NOOP("Command", "Vo&lume..."),
       QT_TRANSLATE_NOOP("Command", "Playback and record volume"), M::Audio, S::Both, "", false},
      // Edit
      {cmd::Undo, QT_TRANSLATE_NOOP("Command", "&Undo"),
       QT_TRANSLATE_NOOP("Command", "Undo the last change"), M::Edit, S::Both, "Ctrl+Z", false},
      {cmd::Cut, QT_TRANSLATE_NOOP("Command", "Cu&t"),
       QT_TRANSLATE_NOOP("Command", "Cut the marked stretch"), M::Edit, S::Both, "Ctrl+X", false,
       true},
      {cmd::Copy, QT_TRANSLATE_NOOP("Command", "&Copy"),
       QT_TRANSLATE_NOOP("Command", "Copy the marked stretch"), M::Edit, S::Both, "Ctrl+C", false},
      {cmd::Paste, QT_TRANSLATE_NOOP("Command", "&Paste"),
       QT_TRANSLATE_NOOP("Command", "Paste the copied stretch"), M::Edit, S::Both, "Ctrl+V", false},
      {32829, QT_TRANSLATE_NOOP("Command", "&Silence"),
       QT_TRANSLATE_NOOP("Command", "Silence the marked stretch"), M::Edit, S::Both, "", false},
      {cmd::AmplifyVolume, QT_TRANSLATE_NOOP("Command", "&Amplify Volume..."),
       QT_TRANSLATE_NOOP("Command", "Amplify the marked stretch"), M::Edit, S::Both, "", false},
      {cmd::SelectAll, QT_TRANSLATE_NOOP("Command", "Select &All"),
       QT_TRANSLATE_NOOP("Command", "Select all sound file"), M::Edit, S::Both, "Ctrl+A", true,
       true},
      {cmd::Zoom, QT_TRANSLATE_NOOP("Command", "&Zoom +"),
       QT_TRANSLATE_NOOP("Command", "Zoom into the marked stretch, or back out"), M::Edit, S::Both,
       "Ctrl+=", true, false, true},
      {32830, QT_TRANSLATE_NOOP("Command", "Sa&ve Changes"),
       QT_TRANSLATE_NOOP("Command", "Save the changed sound file"), M::Edit, S::Both, "Ctrl+S",
       false, true},
      // Analysis of voice-analysis files
      {cmd::AudioSignal, QT_TRANSLATE_NOOP("Command", "Audio Signal"),
       QT_TRANSLATE_NOOP("Command", "Show the audio signal"), M::Analysis, S::Both, "Ctrl+1", true},
      {cmd::FundamentalFrequency, QT_TRANSLATE_NOOP("Command", "Fundamental Frequency (F0)"),
       QT_TRANSLATE_NOOP("Command", "Show the F0 contour"), M::Analysis, S::Voice, "Ctrl+2", true},
      {cmd::Intensity, QT_TRANSLATE_NOOP("Command", "Intensity"),
       QT_TRANSLATE_NOOP("Command", "Show the intensity contour"), M::Analysis, S::Voice, "Ctrl+3",
       true},
      {cmd::F0AndIntensity, QT_TRANSLATE_NOOP("Command", "F0 and Intensity"),
       QT_TRANSLATE_NOOP("Command", "Show F0 and intensity together"), M::Analysis, S::Voice,
       "Ctrl+4", true},
      {cmd::Histogram, QT_TRANSLATE_NOOP("Command", "Histogram (F0)"),
       QT_TRANSLATE_NOOP("Command", "Show the F0 histogram"), M::Analysis, S::Voice, "Ctrl+5",
       true},
      {cmd::Statistics, QT_TRANSLATE_NOOP("Command", "Statistics"),
       QT_TRANSLATE_NOOP("Command", "Show the statistics of F0 and intensity"), M::Analysis,
       S::Voice, "Ctrl+6", true},
      {cmd::PowerSpectrum, QT_TRANSLATE_NOOP("Command", "Power Spectrum"),
       QT_TRANSLATE_NOOP("Command", "Show the power spectrum"), M::Analysis, S::Voice, "", true,
       true},
      {cmd::LpcSpectrum, QT_TRANSLATE_NOOP("Command", "LPC Spectrum"),
       QT_TRANSLATE_NOOP("Command", "Show the LPC spectrum"), M::Analysis, S::Voice, "", true},
      {cmd::PowerAndLpc, QT_TRANSLATE_NOOP("Command", "Power Spectrum and LPC"),
       QT_TRANSLATE_NOOP("Command", "Show the power and LPC spectra"), M::Analysis, S::Voice, "",
       true},
      {cmd::Spectrogram, QT_TRANSLATE_NOOP("Command", "Spectrogram"),
       QT_TRANSLATE_NOOP("Command", "Show the spectrogram"), M::Analysis, S::Voice, "", true},
      {cmd::SpectrogramAmplitude, QT_TRANSLATE_NOOP("Command", "Spectrogram - Amplitude"),
       QT_TRANSLATE_NOOP("Command", "Show the spectrogram with the amplitude"), M::Analysis,
       S::Voice, "", true},
      {cmd::VowelSpace, QT_TRANSLATE_NOOP("Command", "Vowel Space"),
       QT_TRANSLATE_NOOP("Command", "Show the vowel space"), M::Analysis, S::Voice, "", true},
      {cmd::CalculateIntensity, QT_TRANSLATE_NOOP("Command", "Calculate Intensity"),
       QT_TRANSLATE_NOOP("Command", "Recompute the intensity contour"), M::Analysis, S::Voice, "",
       true, true},
      {cmd::ExportF0, QT_TRANSLATE_NOOP("Command", "Export F0 to Text File..."),
       QT_TRANSLATE_NOOP("Command", "Save the F0 contour as text"), M::Analysis, S::Voice, "", true,
       true},
      {cmd::ExportIntensity, QT_TRANSLATE_NOOP("Command", "Export Intensity to Text File..."),
       QT_TRANSLATE_NOOP("Command", "Save the intensity contour as text"), M::Analysis, S::Voice,
       "", true},
      {cmd::ExportStatistics, QT_TRANSLATE_NOOP("Command", "Export Statistics to Text File..."),
       QT_TRANSLATE_NOOP("Command", "Save the statistics as text"), M::Analysis, S::Voice, "",
       true},
      // Analysis of vocal-quality files
      {cmd::VocalAnalysisData, QT_TRANSLATE_NOOP("Command", "Vocal Analysis Data (Statistics)"),
       QT_TRANSLATE_NOOP("Command", "Show the vocal analysis data"), M::Analysis, S::Quality, "",
       false},
      {cmd::DeviationDiagram, QT_TRANSLATE_NOOP("Command", "Phonatory Deviation Diagram"),
       QT_TRANSLATE_NOOP("Command", "Show the phonatory deviation diagram"), M::Analysis,
       S::Quality, "", false},
      {cmd::SpectrogramIntensityF0, QT_TRANSLATE_NOOP("Command", "Spectrogram, Intensity and F0"),
       QT_TRANSLATE_NOOP("Command", "Show the spectrogram with intensity and F0"), M::Analysis,
       S::Quality, "", false},
      // Follow-up of vocal-quality files
      {32893, QT_TRANSLATE_NOOP("Command", "View"),
       QT_TRANSLATE_NOOP("Command", "Show the follow-up diagram"), M::FollowUp, S::Quality, "",
       false},
      {32892, QT_TRANSLATE_NOOP("Command", "Add File..."),
       QT_TRANSLATE_NOOP("Command", "Add a recording to the follow-up"), M::FollowUp, S::Quality,
       "", false},
      {32894, QT_TRANSLATE_NOOP("Command", "Remove File..."),
       QT_TRANSLATE_NOOP("Command", "Remove a recording from the follow-up"), M::FollowUp,
       S::Quality, "", false},
      {32895, QT_TRANSLATE_NOOP("Command", "Clean All"),
       QT_TRANSLATE_NOOP("Command", "Empty the follow-up"), M::FollowUp, S::Quality, "", false},
      // Settings
      {cmd::ConfigureF0, QT_TRANSLATE_NOOP("Command", "Configure Fundamental Frequency..."),
       QT_TRANSLATE_NOOP("Command", "Configure F0"), M::Settings, S::Both, "", true},
      {cmd::ConfigureIntensity, QT_TRANSLATE_NOOP("Command", "Configure Intensity..."),
       QT_TRANSLATE_NOOP("Command", "Configure Intensity"), M::Settings, S::Voice, "", true},
      {cmd::ConfigurePowerSpectrum, QT_TRANSLATE_NOOP("Command", "Configure Power Spectrum..."),
       QT_TRANSLATE_NOOP("Command", "Transform size and window of the power spectrum"), M::Settings,
       S::Voice, "", true},
      {cmd::ConfigureLpc, QT_TRANSLATE_NOOP("Command", "Configure LPC Spectrum..."),
       QT_TRANSLATE_NOOP("Command", "Order and window of the LPC spectrum"), M::Settings, S::Voice,
       "", true},
      {cmd::BandWide, QT_TRANSLATE_NOOP("Command", "Wide  (300 Hz)"),
       QT_TRANSLATE_NOOP("Command", "Spectrogram band"), M::Settings, S::Voice, "", true, true,
       true},
      {cmd::BandMiddle, QT_TRANSLATE_NOOP("Command", "Middle (55 Hz)"),
       QT_TRANSLATE_NOOP("Command", "Spectrogram band"), M::Settings, S::Voice, "", true, false,
       true},
      {cmd::BandNarrow, QT_TRANSLATE_NOOP("Command", "Narrow(25 Hz)"),
       QT_TRANSLATE_NOOP("Command", "Spectrogram band"), M::Settings, S::Voice, "", true, false,
       true},
      {cmd::BlackAndWhite, QT_TRANSLATE_NOOP("Command", "Black and White"),
       QT_TRANSLATE_NOOP("Command", "Spectrogram in grey"), M::Settings, S::Voice, "", true, false,
       true},
      {cmd::ConfigureVowelSpace, QT_TRANSLATE_NOOP("Command", "Configure Vowel Space..."),
       QT_TRANSLATE_NOOP("Command", "Configure Vowel Space"), M::Settings, S::Voice, "", true,
       true},
      {cmd::ConfigureRecord, QT_TRANSLATE_NOOP("Command", "Record..."),
       QT_TRANSLATE_NOOP("Command", "Configure Record Input"), M::Settings, S::Both, "", true,
       true},
      {cmd::ConfigureAdapter, QT_TRANSLATE_NOOP("Command", "Conf USB..."),
       QT_TRANSLATE_NOOP("Command", "USB adapter settings"), M::Settings, S::Both, "", true},
      {cmd::English, QT_TRANSLATE_NOOP("Command", "English"),
       QT_TRANSLATE_NOOP("Command", "Show Sonarel in English"), M::Settings, S::Both, "", true,
       true, true},
      {cmd::Spanish, QT_TRANSLATE_NOOP("Command", "Español"),
       QT_TRANSLATE_NOOP("Command", "Show Sonarel in Spanish"), M::Settings, S::Both, "", true,
       false, true},
      {cmd::Korean, QT_TRANSLATE_NOOP("Command", "한국어"),
       QT_TRANSLATE_NOOP("Command", "Show Sonarel in Korean"), M::Settings, S::Both, "", true,
       false, true},
      {cmd::Portuguese, QT_TRANSLATE_NOOP("Command", "Português"),
       QT_TRANSLATE_NOOP("Command", "Show Sonarel in Portuguese"), M::Settings, S::Both, "", true,
       false, true},
      // Real-time
      {32802, QT_TRANSLATE_NOOP("Command", "Audio Signal"),
       QT_TRANSLATE_NOOP("Command", "Play with the audio signal"), M::RealTime, S::Voice, "",
       false},
      {32809, QT_TRANSLATE_NOOP("Command", "Spectrogram"),
       QT_TRANSLATE_NOOP("Command", "Play with the spectrogram"), M::RealTime, S::Voice, "", false},
      {32803, QT_TRANSLATE_NOOP("Command", "Fundamental Frequency (F0)"),
       QT_TRANSLATE_NOOP("Command", "Play with the F0 contour"), M::RealTime, S::Voice, "", false},
      {32804, QT_TRANSLATE_NOOP("Command", "Intensity"),
       QT_TRANSLATE_NOOP("Command", "Play with the intensity"), M::RealTime, S::Voice, "", false},
      {32805, QT_TRANSLATE_NOOP("Command", "F0 and Intensity"),
       QT_TRANSLATE_NOOP("Command", "Play with F0 and intensity"), M::RealTime, S::Voice, "",
       false},
      {32807, QT_TRANSLATE_NOOP("Command", "Power Spectrum"),
       QT_TRANSLATE_NOOP("Command", "Play with the power spectrum"), M::RealTime, S::Voice, "",
       false},
      {32808, QT_TRANSLATE_NOOP("Command", "LPC Spectrum"),
       QT_TRANSLATE_NOOP("Command", "Play with the LPC spectrum"), M::RealTime, S::Voice, "",
       false},
      {32806, QT_TRANSLATE_NOOP("Command", "Vowel Space"),
       QT_TRANSLATE_NOOP("Command", "Play with the vowel space"), M::RealTime, S::Voice, "", false},
      {32888, QT_TRANSLATE_NOOP("Command", "Spectrogram - Amplitude"),
       QT_TRANSLATE_NOOP("Command", "Play with the spectrogram and amplitude"), M::RealTime,
       S::Voice, "", false},
      // Compare
      {32873, QT_TRANSLATE_NOOP("Command", "Compare with File..."),
       QT_TRANSLATE_NOOP("Command", "Compare with another file of the client"), M::Compare,
       S::Voice, "", false},
      {32878, QT_TRANSLATE_NOOP("Command", "Open Model..."),
       QT_TRANSLATE_NOOP("Command", "Compare with a model recording"), M::Compare, S::Voice, "",
       false},
      {32877, QT_TRANSLATE_NOOP("Command", "Save as a Model..."),
       QT_TRANSLATE_NOOP("Command", "Save the open file as a model"), M::Compare, S::Voice, "",
       false},
      {32874, QT_TRANSLATE_NOOP("Command", "Close"),
       QT_TRANSLATE_NOOP("Command", "Close the comparison"), M::Compare, S::Voice, "", false},
      // Help
      {cmd::HelpContents, QT_TRANSLATE_NOOP("Command", "&Contents"),
       QT_TRANSLATE_NOOP("Command", "Open the help"), M::Help, S::Both, "F1", true},
      {cmd::About, QT_TRANSLATE_NOOP("Command", "&About Sonarel..."),
       QT_TRANSLATE_NOOP("Command", "Program information"), M::Help, S::Both, "", true, true},
  };
  return table;
}

const CommandInfo* findCommand(int id) {
  for (const CommandInfo& command : commandTable()) {
    if (command.id == id) return &command;
  }
  return nullptr;
}

int displayModeOf(int commandId) {
  switch (commandId) {
    case cmd::AudioSignal:
      return mode::AudioSignal;
    case cmd::FundamentalFrequency:
      return mode::F0;
    case cmd::Intensity:
    case cmd::CalculateIntensity:
      return mode::Intensity;
    case cmd::Histogram:
      return mode::Histogram;
    case cmd::Statistics:
      return mode::Statistics;
    case cmd::F0AndIntensity:
      return mode::F0AndIntensity;
    case cmd::VowelSpace:
      return mode::VowelSpace;
    case cmd::Spectrogram:
      return mode::Spectrogram;
    case cmd::LpcSpectrum:
      return mode::LpcSpectrum;
    case cmd::PowerSpectrum:
      return mode::PowerSpectrum;
    case cmd::PowerAndLpc:
      return mode::PowerAndLpc;
    case cmd::SpectrogramAmplitude:
      return mode::SpectrogramAmplitude;
    default:
      return mode::None;
  }
}

}  // namespace sonarel::app
