# SPDX-License-Identifier: GPL-3.0-or-later
"""Zip archives for tests/cli/kmz_test.sh, made by Python's zipfile.

  kmz_archivos.py NAME [ENTRY FILE METHOD]...  an archive of those entries (FILE "-": p.kml;
                                                METHOD 0 stored, 8 deflated), 1980-01-01 00:00
  kmz_archivos.py dañados                      from doc.kmz, the archives a reader must refuse
  kmz_archivos.py comprueba NAME               whether NAME is a KMZ as Ruvek writes it: one
                                                deflated doc.kml, 1980-01-01 00:00, no extra field
"""
import struct
import sys
import zipfile
import zlib


def archivo(nombre, entradas):
    with zipfile.ZipFile(nombre, "w") as z:
        for n, f, m in zip(*[iter(entradas)] * 3):
            i = zipfile.ZipInfo(n, date_time=(1980, 1, 1, 0, 0, 0))
            i.compress_type = int(m)
            z.writestr(i, open("p.kml" if f == "-" else f, "rb").read())


def danados():
    d = open("doc.kmz", "rb").read()
    open("cortado.kmz", "wb").write(d[:len(d) // 2])
    c = d.find(b"PK\x01\x02")  # the central directory's entry

    def parchea(nombre, cambios):  # (offset, bytes) in the local header and the central entry
        b = bytearray(d)
        for donde, que in cambios:
            b[donde:donde + len(que)] = que
        open(nombre, "wb").write(bytes(b))

    parchea("crc.kmz", [(14, b"\0\0\0\0"), (c + 16, b"\0\0\0\0")])
    parchea("dañado.kmz", [(45, b"\xff" * 15)])
    parchea("indice.kmz", [(8, b"\0\0")])  # its own header says stored, the index deflated
    parchea("cifrado.kmz", [(6, bytes([d[6] | 1])), (c + 8, bytes([d[c + 8] | 1]))])
    parchea("bzip2.kmz", [(8, b"\x0c\0"), (c + 10, b"\x0c\0")])
    open("partido.kmz", "wb").write(b"PK\x07\x08" + d)
    # 65 MiB of zeros as stated; and 70 MiB stated as 1 kB.
    ceros = zlib.compressobj(9, zlib.DEFLATED, -15)
    cuerpo = ceros.compress(b"\0" * (70 << 20)) + ceros.flush()
    for nombre, tamano, dice in (("grande.kmz", 70 << 20, 65 << 20),
                                 ("bomba.kmz", 70 << 20, 1024)):
        crc = zlib.crc32(b"\0" * tamano)
        local = struct.pack("<4s5H3L2H", b"PK\x03\x04", 20, 0, 8, 0, 33, crc, len(cuerpo),
                            dice, 7, 0) + b"doc.kml"
        central = struct.pack("<4s6H3L5H2L", b"PK\x01\x02", 20, 20, 0, 8, 0, 33, crc,
                              len(cuerpo), dice, 7, 0, 0, 0, 0, 0, 0) + b"doc.kml"
        fin = struct.pack("<4s4H2LH", b"PK\x05\x06", 0, 0, 1, 1, len(central),
                          len(local) + len(cuerpo), 0)
        open(nombre, "wb").write(local + cuerpo + central + fin)


def comprueba(nombre):
    a = zipfile.ZipFile(nombre)
    entradas = [(e.filename, e.compress_type, e.extra, e.date_time) for e in a.infolist()]
    return a.testzip() is None and entradas == [("doc.kml", 8, b"", (1980, 1, 1, 0, 0, 0))]


if sys.argv[1] == "dañados":
    danados()
elif sys.argv[1] == "comprueba":
    sys.exit(0 if comprueba(sys.argv[2]) else 1)
else:
    archivo(sys.argv[1], sys.argv[2:])
