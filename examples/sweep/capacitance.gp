# The capacitance per unit length of the capacitor gap sweep against the
# gap, from its table: gnuplot -e "table='FOLDER/table.csv'" capacitance.gp
# writes an SVG picture to standard output. The gap is read from the report's
# name (capacitor-gap-GAP.out); the capacitance over the permittivity is
# FLUX 1 / 2, the charge on the conductor at +1 over the voltage between the
# two.
set terminal svg size 640,400 dynamic font "sans,12"
set datafile separator comma
set key autotitle columnheader
set xlabel "gap between the conductors"
set ylabel "capacitance per unit length / permittivity"
set grid
gap(name) = real(name[strstrt(name, "gap-") + 4 : strlen(name) - 4])
plot table using (gap(strcol(1))):(column("flux1") / 2) with linespoints pt 7 notitle
