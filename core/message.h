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
  ReportNotWritten,        // %s: the path
  PageNotKnown,            // %s: the page asked for
  ProgramNotStarted,       // %s: the program, %s: why
  ClinicalTooShort,        // %s: the file, %s: its seconds, %s: the seconds needed
  ClinicalSilent,          // %s: the file
  ClinicalNotPeriodic,     // %s: the file
  ClinicalNoVoicedSpeech,  // %s: the file
  // Not a message: stays last, so that tests can walk every identifier above it.
  EndOfCatalogue,
};

// The English text of a message, with its %s/%d placeholders still in place.
std::string_view messageTemplate(MessageId id);

// A message with the values for its placeholders, in order.
struct Message {
  Message(MessageId messageId, std::vector<std::string> values = {})
      : id(messageId), arguments(std::move(values)) {}

  MessageId id;
  std::vector<std::string> arguments;

  // The English text with every %s replaced by the next argument.
  std::string text() const;
};

// Replaces each "%s" of a template with the next argument ("%%" stands for "%").
std::string fillTemplate(std::string_view pattern, const std::vector<std::string>& arguments);

}  // namespace sonarel::core
