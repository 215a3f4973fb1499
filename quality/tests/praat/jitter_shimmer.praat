# SPDX-License-Identifier: GPL-3.0-or-later
# Prints "NAME ppq5_percent apq11_percent" for every NAME.wav listed in DIR/voices.txt.
# Usage: praat --run jitter_shimmer.praat DIR
form Jitter and shimmer
  sentence dir .
endform
voices = Read Strings from raw text file: dir$ + "/voices.txt"
n = Get number of strings
for i to n
  selectObject: voices
  row$ = Get string: i
  name$ = left$ (row$, index (row$, " ") - 1)
  sound = Read from file: dir$ + "/" + name$ + ".wav"
  points = To PointProcess (periodic, cc): 75, 600
  ppq5 = Get jitter (ppq5): 0, 0, 0.0001, 0.02, 1.3
  selectObject: sound, points
  apq11 = Get shimmer (apq11): 0, 0, 0.0001, 0.02, 1.3, 1.6
  appendInfoLine: name$, " ", fixed$ (ppq5 * 100, 4), " ", fixed$ (apq11 * 100, 4)
  removeObject: sound, points
endfor
removeObject: voices
