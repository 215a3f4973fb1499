// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/message.h"

#include <array>
#include <utility>

// The application's translation tools look for this marker; here it only returns the text.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace sonarel::core {
namespace {

struct Entry {
  MessageId id;
  const char* text;
};

constexpr std::array kCatalogue{
    Entry{MessageId::ErrorReadingFile, QT_TRANSLATE_NOOP("Message", "Error Reading File!")},
    Entry{MessageId::SampleRateVoiceAnalysis,
          QT_TRANSLATE_NOOP("Message", "Sample Rate must be 11025 Hz or 22050 Hz, 16 bits,Mono!")},
    Entry{MessageId::SampleRateVocalQuality,
          QT_TRANSLATE_NOOP("Message", "Sample Rate must be 44100 Hz, 16 bits,Mono!")},
    Entry{MessageId::ErrorReleasingMemory, QT_TRANSLATE_NOOP("Message", "Error Releasing Memory!")},
    Entry{MessageId::FileCannotBeRecorded,
          QT_TRANSLATE_NOOP("Message",
                            "The File %s can´t be recorded!\nVerifiy if this file is opened and "
                            "if the Client Folder exists!")},
    Entry{MessageId::FileMustBe44100, QT_TRANSLATE_NOOP("Message", "The File must be 44100 Hz")},
    Entry{MessageId::NoAreaToAnalyse,
          QT_TRANSLATE_NOOP("Message", "There is no area to be analysed!")},
    Entry{MessageId::NoPointAvailable,
          QT_TRANSLATE_NOOP("Message", "There is no point available!")},
    Entry{MessageId::CannotOpenConfFile,
          QT_TRANSLATE_NOOP("Message", "It´s not possible to Open conf. File! Is It Read-Only?")},
    Entry{MessageId::NeedSelectArea, QT_TRANSLATE_NOOP("Message", "You need to Select an Area!")},
    Entry{MessageId::AnalysisCancelled,
          QT_TRANSLATE_NOOP("Message", "The analysis was cancelled; nothing was changed.")},
    Entry{MessageId::CannotPlaySoundFile,
          QT_TRANSLATE_NOOP("Message", "It was not Possible to Play the Sound File!")},
    Entry{MessageId::CannotOpenWaveOut,
          QT_TRANSLATE_NOOP("Message", "It was not Possible to Open Wave Out Channel!")},
    Entry{MessageId::ScreenTooSmall,
          QT_TRANSLATE_NOOP("Message",
                            "Sonarel needs a screen of at least 800 x 600 pixels.\nResolution : "
                            "800 x 600 or 1024 x 768 pixels\nColors: High Color (16 bits) or "
                            "better")},
    Entry{MessageId::TextFileSaved, QT_TRANSLATE_NOOP("Message", "Text File Saved!")},
    Entry{MessageId::CannotSaveTextFile,
          QT_TRANSLATE_NOOP("Message", "It´s not possible to Save the Intensity Text File!")},
    Entry{MessageId::AcceptedVoiceAnalysis,
          QT_TRANSLATE_NOOP("Message", "accepted as voice analysis")},
    Entry{MessageId::AcceptedVocalQuality,
          QT_TRANSLATE_NOOP("Message", "accepted as vocal quality")},
    Entry{MessageId::UsageError, QT_TRANSLATE_NOOP("Message", "Usage error: %s")},
    Entry{MessageId::FileNotFound, QT_TRANSLATE_NOOP("Message", "File not found: %s")},
    Entry{MessageId::MinimalValue, QT_TRANSLATE_NOOP("Message", "Minimal Value: 50 Hz")},
    Entry{MessageId::MaxValue, QT_TRANSLATE_NOOP("Message", "Max Value: 1200 Hz")},
    Entry{MessageId::MinNotBelowMax, QT_TRANSLATE_NOOP("Message", "Min Value >= Max Value")},
    Entry{MessageId::SilenceThresholdRange,
          QT_TRANSLATE_NOOP("Message", "Silence Threshold: From 0 to 70 dB")},
    Entry{MessageId::InvalidMethod, QT_TRANSLATE_NOOP("Message", "Invalid Method!")},
    Entry{MessageId::MethodNotAvailable,
          QT_TRANSLATE_NOOP("Message", "The F0 method %s is not available yet.")},
    Entry{MessageId::LowLimitRange, QT_TRANSLATE_NOOP("Message", "Low Limit: 0 to 60 dB")},
    Entry{MessageId::HighLimitRange, QT_TRANSLATE_NOOP("Message", "High Limit: 70 to 140 dB")},
    Entry{MessageId::FilterUnknownType,
          QT_TRANSLATE_NOOP("Message", "filter: unknown filter type")},
    Entry{MessageId::FilterOrderTooLarge,
          QT_TRANSLATE_NOOP("Message", "filter: order of filter too large")},
    Entry{MessageId::FilterOrderOdd,
          QT_TRANSLATE_NOOP("Message", "filter: filter order must be even")},
    Entry{MessageId::FilterOutOfMemory, QT_TRANSLATE_NOOP("Message", "filter: out of memory")},
    Entry{MessageId::FilterFrequencies,
          QT_TRANSLATE_NOOP("Message", "filter: frequencies out of range")},
    // vowel-space settings
    Entry{MessageId::VowelF1Range,
          QT_TRANSLATE_NOOP("Message", "Value F1 Should be from 200 to 1096")},
    Entry{MessageId::VowelF2Range,
          QT_TRANSLATE_NOOP("Message", "Value F2 Should be from 600 to 3200")},
    // power and LPC spectra
    Entry{MessageId::LpcNoAvailablePoints,
          QT_TRANSLATE_NOOP("Message", "There is no Available Points\nSelect a Bigger Area!")},
    Entry{MessageId::LpcCalculationError, QT_TRANSLATE_NOOP("Message", "Error Calculating LPC!")},
    // spectrogram pictures
    Entry{MessageId::PictureNotSaved,
          QT_TRANSLATE_NOOP("Message", "The picture %s could not be saved!")},
    // client register, client folders and notes
    Entry{MessageId::TableNotFound, QT_TRANSLATE_NOOP("Message", "Error - File not Found")},
    Entry{MessageId::TableInvalid, QT_TRANSLATE_NOOP("Message", "Error - Invalid File")},
    Entry{MessageId::NoFreeMemory,
          QT_TRANSLATE_NOOP("Message", "There is no Free Memory Available!")},
    Entry{MessageId::ErrorAccessingDatabase,
          QT_TRANSLATE_NOOP("Message", "Error Accessing Database!")},
    Entry{MessageId::ClientDirectoryExists,
          QT_TRANSLATE_NOOP("Message", "Client´s Directory already Exist!")},
    Entry{
        MessageId::TableInUse,
        QT_TRANSLATE_NOOP(
            "Message", "The client register is in use by another Sonarel; try again in a moment.")},
    Entry{MessageId::TableNotWritten,
          QT_TRANSLATE_NOOP("Message",
                            "The client register could not be written; it was left as it was.")},
    Entry{MessageId::ClientCodesExhausted,
          QT_TRANSLATE_NOOP("Message",
                            "There is no free client code left (the codes go up to 9999).")},
    Entry{MessageId::NeedClientName,
          QT_TRANSLATE_NOOP("Message", "You need to fulfill the Client´s Name!")},
    Entry{MessageId::NeedClientType,
          QT_TRANSLATE_NOOP("Message", "Is the Client Man/Woman/Singer/Child?")},
    Entry{MessageId::YearNeedsFourDigits,
          QT_TRANSLATE_NOOP("Message", "Invalid Year (must have 4 digits)\nEx.: 1974")},
    Entry{MessageId::InvalidDay, QT_TRANSLATE_NOOP("Message", "Invalid Day!")},
    Entry{MessageId::InvalidMonth, QT_TRANSLATE_NOOP("Message", "Invalid Month!")},
    Entry{MessageId::InvalidYear, QT_TRANSLATE_NOOP("Message", "Invalid Year")},
    Entry{MessageId::InvalidYearRange,
          QT_TRANSLATE_NOOP("Message", "Invalid Year \nRange: 1890 - 2050\"")},
    Entry{MessageId::UndefinedType, QT_TRANSLATE_NOOP("Message", "Undefined Type!")},
    Entry{MessageId::TooManyFiles,
          QT_TRANSLATE_NOOP("Message",
                            "Number of files exceeds 150!\nInsert a new client to continue...")},
    Entry{MessageId::CannotDeleteFile,
          QT_TRANSLATE_NOOP("Message", "It´s not possible to delete this File!")},
    Entry{MessageId::NothingToErase,
          QT_TRANSLATE_NOOP("Message", "There is no Information to be erased!")},
    Entry{MessageId::FileSentToBackup,
          QT_TRANSLATE_NOOP("Message",
                            "This File was send to Backup!\nYou need to Attach Your Backup Files "
                            "to access these information!")},
    Entry{MessageId::NotesEditorFailed,
          QT_TRANSLATE_NOOP("Message", "Notes Editor can´t be Inicialized!\nReinstall Sonarel!")},
    Entry{MessageId::ClientFolderNotDeleted,
          QT_TRANSLATE_NOOP("Message", "Client Folder can´t be deleted!")},
    Entry{
        MessageId::ConfirmDeleteFile,
        QT_TRANSLATE_NOOP(
            "Message",
            "All information about this file will be erased!\nAre you sure you want to continue?")},
    Entry{MessageId::ConfirmDeleteClient,
          QT_TRANSLATE_NOOP("Message",
                            "All Information about this Client will be deleted!\nAre you sure you "
                            "want to continue?")},
    Entry{MessageId::SelectFile, QT_TRANSLATE_NOOP("Message", "Select a File!")},
    Entry{MessageId::SelectClient, QT_TRANSLATE_NOOP("Message", "Select a Client!")},
    Entry{MessageId::ErrorAccessingFile, QT_TRANSLATE_NOOP("Message", "Error Accessing File!")},
    Entry{MessageId::TypeClientName, QT_TRANSLATE_NOOP("Message", "Type the Client Name!")},
    Entry{MessageId::ClientNotFound, QT_TRANSLATE_NOOP("Message", "Client not Found!")},
    Entry{MessageId::ClientRegistered,
          QT_TRANSLATE_NOOP("Message", "Client Registered!\nDo you want to Start a New File?")},
    Entry{MessageId::VocalQualityNotice,
          QT_TRANSLATE_NOOP("Message",
                            "To use the Vocal Quality Functions, ask your client to record a "
                            "sustained vowel for some seconds.")},
    Entry{MessageId::ClientUnknown,
          QT_TRANSLATE_NOOP("Message", "There is no client with the code %s.")},
    // recording from the sound card
    Entry{MessageId::RecordFormatReport,
          QT_TRANSLATE_NOOP("Message",
                            "Error Recording\nwfe.cbSize = %d\nwfe.nAvgBytesPerSec = "
                            "%d\nwfe.nBlockAlign %d\nwfe.nChannels %d\nwfe.nSamplesPerSec "
                            "%d\nwfe.wBitsPerSample %d\nwfe.wFormatTag %d\n")},
    Entry{MessageId::ErrorPreparingRecordHeader,
          QT_TRANSLATE_NOOP("Message", "Error Preparing Record Header!")},
    Entry{MessageId::ErrorPreparingHeader, QT_TRANSLATE_NOOP("Message", "Error Preparing Header!")},
    Entry{MessageId::UndefinedError, QT_TRANSLATE_NOOP("Message", "Undefined Error!")},
    Entry{MessageId::CannotStartRecording,
          QT_TRANSLATE_NOOP("Message", "It was not Possible to Start Recording")},
    Entry{MessageId::ErrorWritingTemporary,
          QT_TRANSLATE_NOOP("Message",
                            "Error Writing to File,\nVerify if there is free space in your HD!")},
    Entry{MessageId::ErrorStoppingRecord,
          QT_TRANSLATE_NOOP("Message", "Error Stopping Record - Closing Channel!")},
    Entry{MessageId::ReplaceSoundFile,
          QT_TRANSLATE_NOOP("Message",
                            "This Record will replace the existent Sound File!\nAre You Sure You "
                            "Want to Continue?")},
    Entry{MessageId::NoCaptureDevice,
          QT_TRANSLATE_NOOP("Message",
                            "No sound input was found, so nothing can be recorded.\nConnect a "
                            "microphone or a sound card and choose Record again.")},
    Entry{MessageId::CaptureCannotOpen,
          QT_TRANSLATE_NOOP("Message",
                            "The sound input cannot be opened for 16-bit mono sound at this "
                            "rate.")},
    Entry{MessageId::CaptureStopped,
          QT_TRANSLATE_NOOP("Message", "The sound input stopped delivering sound.")},
    Entry{MessageId::CaptureFailed, QT_TRANSLATE_NOOP("Message", "The sound input failed.")},
    Entry{MessageId::RecordingBrokeOff,
          QT_TRANSLATE_NOOP("Message",
                            "The recording stopped early; the sound recorded until then is kept.")},
    Entry{MessageId::RecoverRecording,
          QT_TRANSLATE_NOOP("Message",
                            "A recording of %s s was not finished.\nDo you want to save it into "
                            "the file %s?")},
    Entry{MessageId::RecoveredRecording,
          QT_TRANSLATE_NOOP("Message", "The unfinished recording was saved into %s.")},
    Entry{MessageId::DataFolderCannotBeCreated,
          QT_TRANSLATE_NOOP("Message", "The data folder %s cannot be created.")},
    Entry{MessageId::NotesNotSaved,
          QT_TRANSLATE_NOOP("Message", "The notes could not be saved to %s.")},
    Entry{MessageId::SaveNotesChanges,
          QT_TRANSLATE_NOOP("Message", "Save the changes to the notes?")},
    Entry{MessageId::AboutSonarel,
          QT_TRANSLATE_NOOP("Message", "Sonarel %s\nAcoustic assessment of the voice.")},
    Entry{MessageId::NeedsDisplay,
          QT_TRANSLATE_NOOP("Message",
                            "sonarel needs a display; without one, use sonarel-cli, or render "
                            "pictures with --screenshots under QT_QPA_PLATFORM=offscreen.")},
    Entry{MessageId::CannotCutWholeRecording,
          QT_TRANSLATE_NOOP("Message",
                            "The whole sound file can't be cut: at least one sample must "
                            "remain.")},
    Entry{
        MessageId::SaveChangesQuestion,
        QT_TRANSLATE_NOOP("Message", "The Actual sound file was change. What do you want to do?")},
    Entry{MessageId::MagnitudeRange,
          QT_TRANSLATE_NOOP("Message", "Please enter an integer between 0 and 500.")},
    Entry{
        MessageId::EditOutsideRecording,
        QT_TRANSLATE_NOOP("Message", "The stretch from %s s to %s s lies outside the sound file.")},
    Entry{MessageId::TargetReadOnly,
          QT_TRANSLATE_NOOP("Message", "%s is read-only; it was not replaced.")},
    Entry{MessageId::TargetNotRegularFile,
          QT_TRANSLATE_NOOP("Message", "%s is not a regular file; nothing was written to it.")},
    Entry{MessageId::TableDamaged,
          QT_TRANSLATE_NOOP("Message", "The client register %s is damaged and cannot be read.")},
    Entry{MessageId::RecordingTooLong,
          QT_TRANSLATE_NOOP(
              "Message",
              "%s lasts longer than %s minutes, the longest recording that can be opened.")},
    Entry{MessageId::FollowUpLimit,
          QT_TRANSLATE_NOOP("Message",
                            "Limit is 6 Sound Files!\nRemove a File before to insert a new...")},
    Entry{MessageId::FileAlreadyOnDiagram,
          QT_TRANSLATE_NOOP("Message", "The Selected File already is on the Diagram!")},
    Entry{MessageId::NotVocalQualityFile,
          QT_TRANSLATE_NOOP("Message", "The Selected File is not a Vocal Quality File!")},
    Entry{MessageId::AmdfRangeInverted,
          QT_TRANSLATE_NOOP("Message", "maxpitch must be > minpitch")},
    Entry{MessageId::NoSimpleFactors, QT_TRANSLATE_NOOP("Message", "No simple factors for ratio")},
    Entry{MessageId::FilterDesignTooDifficult,
          QT_TRANSLATE_NOOP("Message", "Filter design too difficult!")},
    Entry{MessageId::FilterLimitCycles,
          QT_TRANSLATE_NOOP("Message", "Filter will suffer from limit cycles...")},
    Entry{MessageId::CannotAllocateInterpolated,
          QT_TRANSLATE_NOOP("Message", "cannot allocate space for interpolated data")},
    Entry{MessageId::ErrorAllocatingMemory,
          QT_TRANSLATE_NOOP("Message", "Error Allocating Memory!")},
    Entry{MessageId::ErrorAllocatingBuffer,
          QT_TRANSLATE_NOOP("Message", "Error Allocating Buffer!")},
    Entry{MessageId::ErrorImportingFile, QT_TRANSLATE_NOOP("Message", "Error Importing File!")},
    Entry{MessageId::ImportCannotOpen, QT_TRANSLATE_NOOP("Message", "File can´t be opened!")},
    Entry{MessageId::ImportNeeds16Bits,
          QT_TRANSLATE_NOOP(
              "Message",
              "The File to be Imported should be 16 Bits!\nThe Process will be Canceled!")},
    Entry{MessageId::ReplaceActualSoundFile,
          QT_TRANSLATE_NOOP(
              "Message",
              "This Operation will Replace the Actual Sound File!\nDo You Want to Continue?")},
    Entry{MessageId::FileImportedSuccessfully,
          QT_TRANSLATE_NOOP("Message", "File Imported Successfully!")},
    Entry{MessageId::ImportSamplesClipped,
          QT_TRANSLATE_NOOP("Message",
                            "%s samples of %s lay beyond the 16-bit range and were clipped.")},
    Entry{MessageId::ImportCancelled,
          QT_TRANSLATE_NOOP("Message",
                            "The import was cancelled; the client's folder was left as it was.")},
    Entry{MessageId::BackupPreviousSet,
          QT_TRANSLATE_NOOP(
              "Message",
              "There is a Previous Backup In the Selected Directory.\nDo you want to replace it?")},
    Entry{MessageId::BackupTableNotCopied,
          QT_TRANSLATE_NOOP("Message",
                            "It´s not possible to copy pacw.dbf File!\nBackup Can´t be done!")},
    Entry{MessageId::BackupTableMissing,
          QT_TRANSLATE_NOOP("Message", "pacw.dbf File is not in this Directory!")},
    Entry{MessageId::BackupProgressNotCreated,
          QT_TRANSLATE_NOOP("Message", "Temporary File can´t be Created!")},
    Entry{MessageId::BackupProgressNotAppended,
          QT_TRANSLATE_NOOP("Message", "It was not Possible Create Temporary File!")},
    Entry{MessageId::BackupCopyFailed,
          QT_TRANSLATE_NOOP(
              "Message",
              "Error Coping %s File! Verify If There Is Free Space!\nDo You Want To Continue?")},
    Entry{MessageId::BackupSetNotRemoved,
          QT_TRANSLATE_NOOP("Message", "Backup Directory can´t be Removed!")},
    Entry{MessageId::BackupDatesNotCreated,
          QT_TRANSLATE_NOOP("Message", "Dates File can´t be Created!")},
    Entry{MessageId::BackupNoCreationDate,
          QT_TRANSLATE_NOOP(
              "Message",
              "It was not possible to get the creation date of %s file. Do you want to continue?")},
    Entry{MessageId::BackupDone,
          QT_TRANSLATE_NOOP("Message",
                            "Backup Done Successfully!\nThe Backup Files are in the %s Directory")},
    Entry{MessageId::BackupFailed, QT_TRANSLATE_NOOP("Message", "Backup Failed!")},
    Entry{MessageId::BackupIntoProgramFolder,
          QT_TRANSLATE_NOOP("Message",
                            "Warning: The Directory can´t be the same which Sonarel is Installed! "
                            "Select or Create a New Directory!")},
    Entry{MessageId::RestoreSelectSet,
          QT_TRANSLATE_NOOP("Message", "Select the Backup Directory!")},
    Entry{MessageId::RestoreFinished, QT_TRANSLATE_NOOP("Message", "Process Finished!")},
    Entry{MessageId::RestoreNotFinished,
          QT_TRANSLATE_NOOP("Message", "Process can´t be Finished!")},
    Entry{MessageId::RestoreClientMissing,
          QT_TRANSLATE_NOOP("Message", "%s Files can´t be found!\nDo you Want to Continue?")},
    Entry{MessageId::RestoreCannotDecompress,
          QT_TRANSLATE_NOOP("Message",
                            "\"%s File can´t be decompressed! Verify If There is Free Space "
                            "Available!\nDo You Want to Continue?")},
    Entry{MessageId::RestoreDateNotSet,
          QT_TRANSLATE_NOOP("Message", "It´s not possible to get the original date of %s file")},
    Entry{MessageId::RestoreDatesMissing,
          QT_TRANSLATE_NOOP(
              "Message",
              "Dates File can´t be Found!\nThe Restored Files will have the Actual Date!")},
    Entry{MessageId::RestoreDatesQuestion,
          QT_TRANSLATE_NOOP(
              "Message",
              "It´s not Possible to Restore the sound files dates!\nDo you want to Continue?")},
    Entry{MessageId::SelectAtLeastOneClient,
          QT_TRANSLATE_NOOP("Message", "It´s necessary to select at least a Client!")},
    Entry{MessageId::BackupCopyNotVerified,
          QT_TRANSLATE_NOOP("Message",
                            "The copy %s does not match its original, or the original changed; no "
                            "client files were removed.")},
    Entry{MessageId::RestorePending,
          QT_TRANSLATE_NOOP("Message",
                            "A restore into %s was broken off. Its rollback must be finished "
                            "first: start Sonarel, or run sonarel-cli recover.")},
    Entry{MessageId::RollbackIncomplete,
          QT_TRANSLATE_NOOP("Message", "Some files could not be put back; they are kept in %s.")},
    Entry{MessageId::RestoreInterrupted,
          QT_TRANSLATE_NOOP("Message",
                            "A restore into %s was broken off before it ended.\nPut the data back "
                            "as they were before it?")},
    Entry{MessageId::RestoreRolledBack,
          QT_TRANSLATE_NOOP("Message", "The data are back as they were before the restore.")},
    Entry{MessageId::SelectAtLeastOneScreen,
          QT_TRANSLATE_NOOP("Message", "You must select at least one screen!")},
    Entry{MessageId::ReportNotWritten,
          QT_TRANSLATE_NOOP("Message", "The report could not be written to %s.")},
    Entry{MessageId::PageNotKnown,
          QT_TRANSLATE_NOOP("Message", "There is no page called %s for this kind of file.")},
    Entry{MessageId::ProgramNotStarted,
          QT_TRANSLATE_NOOP("Message", "%s could not be started: %s")},
    Entry{MessageId::FileMissing, QT_TRANSLATE_NOOP("Message", "%s does not exist.")},
    Entry{MessageId::FileIsFolder,
          QT_TRANSLATE_NOOP("Message", "%s is a folder, not a sound file.")},
    Entry{MessageId::FileNotRegular,
          QT_TRANSLATE_NOOP("Message", "%s is not a regular file (a pipe or a device).")},
    Entry{MessageId::FileUnreadable,
          QT_TRANSLATE_NOOP("Message", "%s cannot be opened for reading (permission denied).")},
    Entry{MessageId::FileEmpty, QT_TRANSLATE_NOOP("Message", "%s is empty (0 bytes).")},
    Entry{MessageId::FileNotWave, QT_TRANSLATE_NOOP("Message", "%s is not a WAVE file.")},
    Entry{MessageId::FileTruncated,
          QT_TRANSLATE_NOOP("Message", "%s is truncated: the file ends before its sound data do.")},
    Entry{MessageId::FileNoSamples,
          QT_TRANSLATE_NOOP("Message", "%s is a WAVE file with no samples.")},
    Entry{MessageId::FileTooLarge,
          QT_TRANSLATE_NOOP("Message", "%s is too large to be read into memory.")},
    Entry{MessageId::FileImportOnly,
          QT_TRANSLATE_NOOP(
              "Message", "%s is a %s file: only Import reads it, and makes a 16-bit mono copy.")},
    Entry{MessageId::FileStereo,
          QT_TRANSLATE_NOOP("Message",
                            "%s has %s channels; recordings are analysed in mono. Import makes a "
                            "mono copy.")},
    Entry{MessageId::FileRateVoiceAnalysis,
          QT_TRANSLATE_NOOP("Message",
                            "%s is sampled at %s Hz; a voice-analysis file takes up to 22050 Hz. "
                            "Import converts the rate.")},
    Entry{MessageId::FileRateVocalQuality,
          QT_TRANSLATE_NOOP("Message",
                            "%s is sampled at %s Hz; a vocal-quality file takes 44100 Hz. Import "
                            "converts the rate.")},
    Entry{MessageId::DeleteWhichClient, QT_TRANSLATE_NOOP("Message", "Client: %s (code %s)")},
    Entry{MessageId::DeleteWhichVoiceFile,
          QT_TRANSLATE_NOOP("Message", "File %s, voice analysis, recorded %s")},
    Entry{MessageId::DeleteWhichQualityFile,
          QT_TRANSLATE_NOOP("Message", "File %s, vocal quality, recorded %s")},
    Entry{MessageId::CannotSaveF0TextFile,
          QT_TRANSLATE_NOOP("Message", "It´s not possible to Save the F0 Text File!")},
    Entry{MessageId::CannotSaveStatisticsTextFile,
          QT_TRANSLATE_NOOP("Message", "It´s not possible to Save the Statistics Text File!")},
    Entry{MessageId::ExportFolderMissing,
          QT_TRANSLATE_NOOP("Message", "The folder %s does not exist.")},
    Entry{MessageId::ExportNotWritten,
          QT_TRANSLATE_NOOP("Message",
                            "%s could not be written (the folder may be read-only or "
                            "full).")},
    Entry{MessageId::NotANumber, QT_TRANSLATE_NOOP("Message", "\"%s\" is not a number.")},
    Entry{MessageId::MarkedStretch, QT_TRANSLATE_NOOP("Message", "Marked: %s s to %s s (%s s)")},
    Entry{MessageId::NotesPreview, QT_TRANSLATE_NOOP("Message", "Notes: %s")},
    Entry{
        MessageId::StartHint,
        QT_TRANSLATE_NOOP(
            "Message", "To begin, create a client, open a recording, or open the demo register.")},
    Entry{MessageId::ClientStartHint,
          QT_TRANSLATE_NOOP("Message", "%s: open one of the recordings, or record a new one.")},
    Entry{MessageId::RecordNewFileHint,
          QT_TRANSLATE_NOOP("Message", "The new file is empty: record it now.")},
    Entry{
        MessageId::ChooseDisplayHint,
        QT_TRANSLATE_NOOP(
            "Message", "Choose what to show: a display of the Analysis menu or of the tool bar.")},
    Entry{MessageId::InputLevel, QT_TRANSLATE_NOOP("Message", "Input: %s dBFS")},
    Entry{MessageId::InputClipping, QT_TRANSLATE_NOOP("Message", "Clipping!")},
    Entry{MessageId::CannotOpenWaveformOutput,
          QT_TRANSLATE_NOOP("Message", "Can´t Open Waveform Output Channel!")},
    Entry{MessageId::ErrorPlayingSoundFile,
          QT_TRANSLATE_NOOP("Message", "Error Playing Sound File!")},
    Entry{MessageId::CompareNeedsVocalQuality,
          QT_TRANSLATE_NOOP("Message", "File types are different\nSelect a Vocal Quality File!")},
    Entry{MessageId::CompareNeedsVoiceAnalysis,
          QT_TRANSLATE_NOOP("Message", "File types are different\nSelect a Voice Analysis File!")},
    Entry{MessageId::ModelNotSaved, QT_TRANSLATE_NOOP("Message", "Error saving File as a Model!")},
    Entry{MessageId::ReplaceModel,
          QT_TRANSLATE_NOOP("Message", "%s already exists.\nDo you want to replace it?")},
    Entry{MessageId::ClinicalTooShort,
          QT_TRANSLATE_NOOP("Message",
                            "%s is too short for the clinical measures: it lasts %s s, and they "
                            "need a vowel of at least %s s.")},
    Entry{MessageId::ClinicalSilent,
          QT_TRANSLATE_NOOP("Message", "%s is silent: there is no voice to measure.")},
    Entry{MessageId::ClinicalNotPeriodic,
          QT_TRANSLATE_NOOP("Message",
                            "%s holds no periodic voice: the clinical measures need a sustained "
                            "vowel.")},
    Entry{MessageId::ClinicalNoVoicedSpeech,
          QT_TRANSLATE_NOOP("Message", "No voiced speech was found in %s.")},
};

}  // namespace

std::string_view messageTemplate(MessageId id) {
  for (const Entry& entry : kCatalogue) {
    if (entry.id == id) return entry.text;
  }
  return "?";
}

std::string fillTemplate(std::string_view pattern, const std::vector<std::string>& arguments) {
  std::string out;
  out.reserve(pattern.size());
  std::size_t next = 0;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size()) {
      const char kind = pattern[i + 1];
      if (kind == '%') {
        out += '%';
        ++i;
        continue;
      }
      if (kind == 's' || kind == 'd') {
        if (next < arguments.size()) out += arguments[next++];
        ++i;
        continue;
      }
    }
    out += pattern[i];
  }
  return out;
}

std::string Message::text() const {
  return fillTemplate(messageTemplate(id), arguments);
}

std::string Message::detailText() const {
  std::string out;
  for (const Message& detail : details) {
    if (!out.empty()) out += '\n';
    out += detail.text();
  }
  return out;
}

std::string Message::lines() const {
  return details.empty() ? text() : text() + '\n' + detailText();
}

}  // namespace sonarel::core
