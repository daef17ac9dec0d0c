# SPDX-License-Identifier: GPL-3.0-or-later
# A walk like that of bench/datos_bench.h, as TrackMaker text: 10,000 points near Pamplona, 400 to
# 1,600 m. bench/procesos.sh and bench/terreno.sh time Ruvek on it.
BEGIN { srand(12345); x = 612000; y = 4734000; z = 400
  printf "Version , 212\r\n\r\nEuropean 1950 (GPS) ,64, 6378388, 297,-87,-98,-121\r\nUSER GRID, 0, 0, 0, 0, 0\r\n\r\n"
  for (i = 0; i < 10000; i++) {
    x += (int(rand() * 200) - 80) / 10; y += (int(rand() * 200) - 90) / 10; z += (int(rand() * 100) - 45) / 10
    printf "t,utm,30T,%.1f,%.1f,01/05/2009,%02d:%02d:%02d,%.1f,%d\r\n", x, y, int(i / 3600) % 24, int(i / 60) % 60, i % 60, z, i == 0
  } }
