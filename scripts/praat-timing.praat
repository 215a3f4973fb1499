# SPDX-License-Identifier: GPL-3.0-or-later
# Times Praat's own analysis of one file, for the side-by-side benchmarks in bench/.
# Prints the seconds the analysis took, reading the file excluded.
# Arguments: file, analysis (ac, cc, intensity, formants or clinical), floor, ceiling.
form Praat timing
  sentence File
  word Analysis cc
  real Floor 70
  real Ceiling 400
endform
Read from file: file$
stopwatch
if analysis$ = "cc"
  To Pitch (cc): 0.02, floor, 15, "no", 0.03, 0.45, 0.01, 0.35, 0.14, ceiling
elsif analysis$ = "ac"
  To Pitch (ac): 0.02, floor, 15, "no", 0.03, 0.45, 0.01, 0.35, 0.14, ceiling
elsif analysis$ = "clinical"
  # CPPS and the cross-correlation HNR, with the settings of sonarel-cli clinical
  sound = selected ("Sound")
  To PowerCepstrogram: 60, 0.002, 5000, 50
  cpps = Get CPPS: "no", 0.01, 0.001, 60, 330, 0.05, "parabolic", 0.001, 0, "Straight", "Robust"
  selectObject: sound
  To Harmonicity (cc): 0.01, 75, 0.1, 1.0
  hnr = Get mean: 0, 0
elsif analysis$ = "formants"
  # a formant every 50 ms, as the vowel-space track (five formants up to 5500 Hz)
  To Formant (burg): 0.05, 5, 5500, 0.025, 50
else
  # windows of 3.2 / 6400 s = 0.5 ms every 0.25 ms, as the vocal-quality intensity
  To Intensity: 6400, 0.00025, "no"
endif
seconds = stopwatch
writeInfoLine: fixed$ (seconds, 6)
