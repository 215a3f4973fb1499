# SPDX-License-Identifier: GPL-3.0-or-later
# Praat's clinical measures, for scripts/compare-clinical.
#   praat --run clinical-reference.praat measure SOUND -
#     prints "cpps hnr shimmer_percent shimmer_db slope tilt avqi" of SOUND as it is.
#   praat --run clinical-reference.praat avqi VOWEL SPEECH
#     the same after Praat's own preparation: the voiced intervals of SPEECH ("-" for none),
#     concatenated, followed by the last 3 s of VOWEL.
form Clinical measures
  word mode measure
  sentence vowel x
  sentence speech -
endform

if mode$ = "measure"
  sound = Read from file: vowel$
else
  vowelSound = Read from file: vowel$
  duration = Get total duration
  if duration > 3
    part = Extract part: duration - 3, duration, "rectangular", 1, "no"
    removeObject: vowelSound
    vowelSound = part
  endif
  if speech$ = "-"
    sound = vowelSound
  else
    speechSound = Read from file: speech$
    points = To PointProcess (periodic, cc): 75, 600
    grid = To TextGrid (vuv): 0.02, 0.01
    selectObject: speechSound, grid
    Extract intervals where: 1, "no", "is equal to", "V"
    parts = numberOfSelected ("Sound")
    for i to parts
      part [i] = selected ("Sound", i)
    endfor
    selectObject: part [1]
    for i from 2 to parts
      plusObject: part [i]
    endfor
    plusObject: vowelSound
    sound = Concatenate
  endif
endif

selectObject: sound
cepstrogram = To PowerCepstrogram: 60, 0.002, 5000, 50
cpps = Get CPPS: "no", 0.01, 0.001, 60, 330, 0.05, "parabolic", 0.001, 0, "Straight", "Robust"
selectObject: sound
harmonicity = To Harmonicity (cc): 0.01, 75, 0.1, 1.0
hnr = Get mean: 0, 0
selectObject: sound
points = To PointProcess (periodic, cc): 50, 400
selectObject: sound, points
shimmer = Get shimmer (local): 0, 0, 0.0001, 0.02, 1.3, 1.6
shimmerDb = Get shimmer (local_dB): 0, 0, 0.0001, 0.02, 1.3, 1.6
selectObject: sound
ltas = To Ltas: 1
slope = Get slope: 0, 1000, 1000, 10000, "energy"
trend = Compute trend line: 1, 10000
tilt = Get slope: 0, 1000, 1000, 10000, "energy"
avqi = 2.8902 * (4.152 - 0.177 * cpps - 0.006 * hnr - 0.037 * shimmer * 100 + 0.941 * shimmerDb + 0.01 * slope + 0.093 * tilt)
appendInfoLine: fixed$ (cpps, 3), " ", fixed$ (hnr, 3), " ", fixed$ (shimmer * 100, 3), " ",
... fixed$ (shimmerDb, 3), " ", fixed$ (slope, 3), " ", fixed$ (tilt, 3), " ", fixed$ (avqi, 3)
