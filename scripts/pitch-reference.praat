# SPDX-License-Identifier: GPL-3.0-or-later
# Prints "time value" per frame of Praat's pitch analysis of one file, for scripts/compare-praat.
# Arguments: file, method (ac or cc), floor, ceiling, octave-jump cost, voiced/unvoiced cost.
form Pitch reference
  sentence File
  word Method cc
  real Floor 70
  real Ceiling 400
  real Jump 0.35
  real Voicing 0.14
endform
Read from file: file$
if method$ = "cc"
  To Pitch (cc): 0.02, floor, 15, "no", 0.03, 0.45, 0.01, jump, voicing, ceiling
else
  To Pitch (ac): 0.02, floor, 15, "no", 0.03, 0.45, 0.01, jump, voicing, ceiling
endif
n = Get number of frames
for i to n
  t = Get time from frame number: i
  f = Get value in frame: i, "Hertz"
  if f = undefined
    f = 0
  endif
  appendInfoLine: fixed$ (t, 6), " ", fixed$ (f, 3)
endfor
