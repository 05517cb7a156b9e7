# Sourced by bench/run.sh: the longest stretch in which a long output does not
# call back to the window (a progress step, a repaint tick, a page report),
# at 10,000 records. Under 100 ms the window repaints at least ten times a
# second and never looks hung; the figure goes in the time column.
benchmarks+=(
  "pause-xlsx-a|xlsx type A, 10,000: longest pause without repaint|$bin/bench_spreadsheet pauses a 10000 $data/pauses-a.xlsx|100|"
  "pause-xlsx-b|xlsx type B trunk, 10,000: longest pause without repaint|$bin/bench_spreadsheet pauses b-trunk 10000 $data/pauses-b.xlsx|100|"
  "pause-pdf-a|PDF type A, 10,000: longest pause without repaint|$bin/bench_print pauses a $data/records-10000.kav $data/pauses-a.pdf|100|"
  "pause-pdf-b|PDF type B trunk, 10,000: longest pause without repaint|$bin/bench_print pauses b-trunk $data/records-10000.kav $data/pauses-b.pdf|100|"
)
