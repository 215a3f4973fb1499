// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The message catalogue: every text the user is shown has an identifier here and its
// English text in message.cpp. Libraries return a Message; only the application (or the
// command line) turns it into text, translated where a translation exists.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace sonarel::core {

enum class MessageId {
  // sound files and the sample buffer
  ErrorReadingFile,
  SampleRateVoiceAnalysis,
  SampleRateVocalQuality,
  ErrorReleasingMemory,
  FileCannotBeRecorded,  // %s: the path
  // vocal quality
  FileMustBe44100,
  NoAreaToAnalyse,
  NoPointAvailable,
  CannotOpenConfFile,
  // the view
  NeedSelectArea,
  AnalysisCancelled,
  CannotPlaySoundFile,
  CannotOpenWaveOut,
  ScreenTooSmall,
  // text exports
  TextFileSaved,
  CannotSaveTextFile,
  // command line
  AcceptedVoiceAnalysis,
  AcceptedVocalQuality,
  UsageError,    // %s: what was wrong
  FileNotFound,  // %s: the path
  // F0 settings and the F0 driver
  MinimalValue,
  MaxValue,
  MinNotBelowMax,
  SilenceThresholdRange,
  InvalidMethod,
  MethodNotAvailable,  // %s: the method's name
  // intensity settings
  LowLimitRange,
  HighLimitRange,
  // Butterworth filter designer
  FilterUnknownType,
  FilterOrderTooLarge,
  FilterOrderOdd,
  FilterOutOfMemory,
  FilterFrequencies,
  // vowel-space settings
  VowelF1Range,
  VowelF2Range,
  // power and LPC spectra
  LpcNoAvailablePoints,
  LpcCalculationError,
  // spectrogram pictures
  PictureNotSaved,  // %s: the path
  // client register, client folders and notes
  TableNotFound,
  TableInvalid,
  NoFreeMemory,
  ErrorAccessingDatabase,
  ClientDirectoryExists,
  TableInUse,
  TableNotWritten,
  ClientCodesExhausted,
  NeedClientName,
  NeedClientType,
  YearNeedsFourDigits,
  InvalidDay,
  InvalidMonth,
  InvalidYear,
  InvalidYearRange,
  UndefinedType,
  TooManyFiles,
  CannotDeleteFile,
  NothingToErase,
  FileSentToBackup,
  NotesEditorFailed,
  ClientFolderNotDeleted,
  ConfirmDeleteFile,
  ConfirmDeleteClient,
  SelectFile,
  SelectClient,
  ErrorAccessingFile,
  TypeClientName,
  ClientNotFound,
  ClientRegistered,
  VocalQualityNotice,
  ClientUnknown,  // %s: the code
  // recording from the sound card
  RecordFormatReport,  // %d: extra size, bytes per second, block align, channels, rate, bits, tag
  ErrorPreparingRecordHeader,
  ErrorPreparingHeader,
  UndefinedError,
  CannotStartRecording,
  ErrorWritingTemporary,
  ErrorStoppingRecord,
  ReplaceSoundFile,
  NoCaptureDevice,
  CaptureCannotOpen,
  CaptureStopped,
  CaptureFailed,
  RecordingBrokeOff,
  RecoverRecording,    // %s: seconds, %s: the path
  RecoveredRecording,  // %s: the path
  // start-up, the notes editor and the About box
  DataFolderCannotBeCreated,  // %s: the path
  NotesNotSaved,              // %s: the path
  SaveNotesChanges,
  AboutSonarel,  // %s: the version
  NeedsDisplay,
  // sound editing
  CannotCutWholeRecording,
  SaveChangesQuestion,
  MagnitudeRange,
  EditOutsideRecording,  // %s: start, %s: end (seconds)
  TargetReadOnly,        // %s: the path
  TargetNotRegularFile,  // %s: the path
  TableDamaged,          // %s: the path
  RecordingTooLong,      // %s: the path, %s: the minutes
  // the follow-up diagram
  FollowUpLimit,
  FileAlreadyOnDiagram,
  NotVocalQualityFile,
  // F0 trackers
  AmdfRangeInverted,
  // import and sampling-rate conversion
  NoSimpleFactors,
  FilterDesignTooDifficult,
  FilterLimitCycles,
  CannotAllocateInterpolated,
  ErrorAllocatingMemory,
  ErrorAllocatingBuffer,
  ErrorImportingFile,
  ImportCannotOpen,
  ImportNeeds16Bits,
  ReplaceActualSoundFile,
  FileImportedSuccessfully,
  ImportSamplesClipped,  // %s: how many, %s: the path
  ImportCancelled,
  // backup and restore
  BackupPreviousSet,
  BackupTableNotCopied,
  BackupTableMissing,
  BackupProgressNotCreated,
  BackupProgressNotAppended,
  BackupCopyFailed,  // %s: the file
  BackupSetNotRemoved,
  BackupDatesNotCreated,
  BackupNoCreationDate,  // %s: the file
  BackupDone,            // %s: the set folder
  BackupFailed,
  BackupIntoProgramFolder,
  RestoreSelectSet,
  RestoreFinished,
  RestoreNotFinished,
  RestoreClientMissing,     // %s: the client's name
  RestoreCannotDecompress,  // %s: the file
  RestoreDateNotSet,        // %s: the file
  RestoreDatesMissing,
  RestoreDatesQuestion,
  SelectAtLeastOneClient,
  BackupCopyNotVerified,  // %s: the copy or the client folder
  RestorePending,         // %s: the data folder
  RollbackIncomplete,     // %s: the rollback folder
  RestoreInterrupted,     // %s: the data folder
  RestoreRolledBack,
  SelectAtLeastOneScreen,
  ReportNotWritten,   // %s: the path
  PageNotKnown,       // %s: the page asked for
  ProgramNotStarted,  // %s: the program, %s: why
  // why a sound file was refused (shown below the refusal itself)
  FileMissing,            // %s: the path
  FileIsFolder,           // %s: the path
  FileNotRegular,         // %s: the path
  FileUnreadable,         // %s: the path
  FileEmpty,              // %s: the path
  FileNotWave,            // %s: the path
  FileTruncated,          // %s: the path
  FileNoSamples,          // %s: the path
  FileTooLarge,           // %s: the path
  FileImportOnly,         // %s: the path, %s: the format's name
  FileStereo,             // %s: the path, %s: the channel count
  FileRateVoiceAnalysis,  // %s: the path, %s: the rate
  FileRateVocalQuality,   // %s: the path, %s: the rate
  // which client or file a deletion would erase
  DeleteWhichClient,       // %s: the name, %s: the code
  DeleteWhichVoiceFile,    // %s: the number, %s: the date
  DeleteWhichQualityFile,  // %s: the number, %s: the date
  // failed text exports
  CannotSaveF0TextFile,
  CannotSaveStatisticsTextFile,
  ExportFolderMissing,  // %s: the folder
  ExportNotWritten,     // %s: the path
  // a typed value that is not a number
  NotANumber,     // %s: what was typed
  MarkedStretch,  // %s start, %s end, %s length (seconds, formatted)
  NotesPreview,   // %s: the first paragraph of the notes
  StartHint,
  ClientStartHint,  // %s: the client's name
  RecordNewFileHint,
  ChooseDisplayHint,
  InputLevel,  // %s: the level, formatted
  InputClipping,
  CannotOpenWaveformOutput,
  ErrorPlayingSoundFile,
  CompareNeedsVocalQuality,
  CompareNeedsVoiceAnalysis,
  ModelNotSaved,
  ReplaceModel,            // %s: the model file
  ClinicalTooShort,        // %s: the file, %s: its seconds, %s: the seconds needed
  ClinicalSilent,          // %s: the file
  ClinicalNotPeriodic,     // %s: the file
  ClinicalNoVoicedSpeech,  // %s: the file
  // Not a message: stays last, so that tests can walk every identifier above it.
  EndOfCatalogue,
};

// The English text of a message, with its %s/%d placeholders still in place.
std::string_view messageTemplate(MessageId id);

// A message with the values for its placeholders, in order, and the messages that explain
// it (why a file was refused, which file an export could not write): the window shows them
// below the message, the command line on the lines after it.
struct Message {
  Message(MessageId messageId, std::vector<std::string> values = {})
      : id(messageId), arguments(std::move(values)) {}

  MessageId id;
  std::vector<std::string> arguments;
  std::vector<Message> details;

  // The same message with `detail` added below it.
  Message with(Message detail) const {
    Message out = *this;
    out.details.push_back(std::move(detail));
    return out;
  }

  // The English text with every %s replaced by the next argument (details not included).
  std::string text() const;
  // The English texts of the details, one a line.
  std::string detailText() const;
  // The text, then each detail on a line of its own (as the command line prints them).
  std::string lines() const;
};

// Replaces each "%s" of a template with the next argument ("%%" stands for "%").
std::string fillTemplate(std::string_view pattern, const std::vector<std::string>& arguments);

}  // namespace sonarel::core
