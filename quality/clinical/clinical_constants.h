// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every constant of the clinical measures (CPPS, HNR, local shimmer, the long-term spectrum's
// slope and tilt, AVQI), in one table, each with where it comes from.
//
// Sources:
//  [H94]  Hillenbrand J, Cleveland RA, Erickson RL (1994). Acoustic correlates of breathy vocal
//         quality. J Speech Hear Res 37(4):769-778. Cepstral peak prominence: the height of the
//         cepstral peak above a regression line through the cepstrum.
//  [HH96] Hillenbrand J, Houde RA (1996). Acoustic correlates of breathy vocal quality:
//         dysphonic voices and continuous speech. J Speech Hear Res 39(2):311-321. The smoothed
//         variant: cepstra averaged over time and over quefrency before the peak is measured.
//  [B93]  Boersma P (1993). Accurate short-term analysis of the fundamental frequency and the
//         harmonics-to-noise ratio of a sampled sound. Proc. Institute of Phonetic Sciences,
//         University of Amsterdam 17:97-110. HNR = 10 log10(r / (1 - r)) from the normalised
//         correlation r at the period; the cross-correlation form compares a window with the
//         window one lag later.
//  [MW15] Maryn Y, Weenink D (2015). Objective dysphonia measures in the program Praat: smoothed
//         cepstral peak prominence and acoustic voice quality index. J Voice 29(1):35-43. The
//         analysis settings of CPPS and of the AVQI measures used in clinics.
//  [BM15] Barsties B, Maryn Y (2015). Der Acoustic Voice Quality Index in Deutsch: ein
//         Messverfahren zur allgemeinen Stimmqualitaet. HNO 63(6):411-420. AVQI version 03.01:
//         the vowel's last 3 s after the voiced speech, and its regression,
//         AVQI = 2.8902 (4.152 - 0.177 CPPS - 0.006 HNR - 0.037 Shim% + 0.941 ShdB
//                         + 0.01 slope + 0.093 tilt).
//         The weights were checked against three independent implementations of 03.01; the
//         older 02.03 regression (different weights and an added 1.797) is not used.
//  [BM16] Barsties B, Maryn Y (2016). External validation of the Acoustic Voice Quality Index
//         version 03.01 with extended representativity. Ann Otol Rhinol Laryngol
//         125(7):571-583. Its best threshold between normal and dysphonic voices: 2.43.
//  [M10]  Maryn Y, Corthals P, Van Cauwenberge P, Roy N, De Bodt M (2010). Toward improved
//         ecological validity in the acoustic measurement of overall voice quality: combining
//         continuous speech and sustained vowels. J Voice 24(5):540-555. AVQI measures the
//         voiced parts of running speech followed by the sustained vowel, as one sound; the
//         version 03.01 [BM15] takes the last 3 s of the vowel.
//  [MHM20] Murton O, Hillman R, Mehta D (2020). Cepstral peak prominence values for clinical
//         voice evaluation. Am J Speech Lang Pathol 29(3):1596-1607. The cut-off for the
//         sustained /a/ measured with the settings below: 14.45 dB (9.33 dB for read speech).
//  [PM]   The manual of Praat, pages "Voice 3. Shimmer" (the thresholds for pathology of local
//         shimmer, 3.810 %, and of local shimmer in dB, 0.350 dB, quoted there from a clinical
//         analysis program) and "Harmonicity" (about 20 dB for a healthy /a/ or /i/); pages
//         "Sound: To PowerCepstrogram", "PowerCepstrogram: Smooth" and "PowerCepstrum: Get peak
//         prominence" for the steps of the cepstral analysis whose outcome CPPS is compared
//         with (scripts/compare-clinical).
//  [OURS] Our own choice where the sources leave room; the report of the comparison with Praat
//         (scripts/compare-clinical) shows its effect.

namespace sonarel::quality::clinical {

// --- CPPS [MW15] settings, definition [H94], [HH96] ---
inline constexpr double kCepstrumPitchFloorHz = 60.0;      // [MW15] effective window 3 periods:
inline constexpr double kCepstrumWindowPeriods = 6.0;      // [PM] the Gaussian frame twice that
inline constexpr double kCepstrumTimeStepS = 0.002;        // [MW15]
inline constexpr double kCepstrumMaxFrequencyHz = 5000.0;  // [MW15] analysis at 10 kHz
inline constexpr double kCepstrumPreEmphasisHz = 50.0;     // [MW15]
inline constexpr double kCppsTimeSmoothingS = 0.01;        // [MW15], [HH96]
inline constexpr double kCppsQuefrencySmoothingS = 0.001;  // [MW15], [HH96]
inline constexpr double kCppsPeakMinPitchHz = 60.0;        // [MW15] peak searched between
inline constexpr double kCppsPeakMaxPitchHz = 330.0;       //        1/330 s and 1/60 s
// The trend line: [H94] fitted it from 1 ms up by least squares; [MW15]'s robust fit, as run
// with the trend range "0.001 to 0", spans every quefrency above 0. We fit that span, the
// choice that agrees with the published settings' outcome (scripts/compare-clinical).

// --- HNR by cross-correlation [B93], settings [MW15] ---
inline constexpr double kHnrTimeStepS = 0.01;
inline constexpr double kHnrPitchFloorHz = 75.0;
inline constexpr double kHnrSilenceThreshold = 0.1;  // of the global peak
inline constexpr double kHnrPeriodsPerWindow = 1.0;
// [OURS] a recording is taken as periodic when at least this share of its sounding frames
// reach the usual voicing correlation; below it the measures are refused, not reported.
inline constexpr double kVoicingCorrelation = 0.45;   // [B93]'s voicing threshold
inline constexpr double kMinimumPeriodicShare = 0.5;  // [OURS]

// --- local shimmer (consecutive cycle peak amplitudes) [PM], limits as in [MW15] ---
inline constexpr double kShimmerMaxPeriodFactor = 1.3;
inline constexpr double kShimmerMaxAmplitudeFactor = 1.6;

// --- long-term average spectrum [MW15] ---
inline constexpr double kLtasLowBandHz = 1000.0;  // slope: energy in 1-10 kHz over 0-1 kHz
inline constexpr double kLtasHighBandTopHz = 10000.0;
inline constexpr double kLtasTrendFromHz = 1.0;  // tilt: the same on a regression line
inline constexpr double kLtasBandHz = 1.0;       // 1-Hz bands

// --- AVQI 03.01 [BM15] ---
// AVQI = kAvqiScale * (kAvqiConstant + wCpps CPPS + wHnr HNR + wShim shimmer% +
//                      wShdb shimmer dB + wSlope slope + wTilt tilt)
inline constexpr double kAvqiScale = 2.8902;
inline constexpr double kAvqiConstant = 4.152;
inline constexpr double kAvqiWeightCpps = -0.177;
inline constexpr double kAvqiWeightHnr = -0.006;
inline constexpr double kAvqiWeightShimmerPercent = -0.037;
inline constexpr double kAvqiWeightShimmerDb = 0.941;
inline constexpr double kAvqiWeightSlope = 0.01;
inline constexpr double kAvqiWeightTilt = 0.093;
inline constexpr double kAvqiVowelTailS = 3.0;  // [BM15] the last 3 s of the vowel
// Voiced parts of the speech [M10]: sounding (within kSpeechSilenceDb of the loudest
// 10-ms frame) and periodic (correlation at least kVoicingCorrelation) frames [OURS].
inline constexpr double kSpeechSilenceDb = 25.0;  // [OURS], as the silence detection of [MW15]

// --- what the measures need [OURS] ---
inline constexpr double kMinimumVowelS = 1.0;      // shorter vowels are refused
inline constexpr double kSilencePeakDbfs = -60.0;  // quieter recordings count as silent

// --- published normal thresholds, shown beside the values ---
inline constexpr double kNormalAvqiBelow = 2.43;            // [BM16]
inline constexpr double kNormalCppsAbove = 14.45;           // [MHM20], sustained /a/
inline constexpr double kNormalHnrAbove = 20.0;             // [PM] "Harmonicity"
inline constexpr double kNormalShimmerPercentBelow = 3.81;  // [PM] "Voice 3. Shimmer"
inline constexpr double kNormalShimmerDbBelow = 0.35;       // [PM] "Voice 3. Shimmer"

}  // namespace sonarel::quality::clinical
