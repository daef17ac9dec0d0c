// SPDX-License-Identifier: GPL-3.0-or-later
// Whole inputs read and files written: every kind of input and line end; the file writer under
// failing disks, missing folders and forbidden files (it raises, an existing file stays byte for
// byte as it was and no partial or temporary file is left).
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <functional>
#include <set>

#include "core/lineas.h"
#include "io/entrada.h"
#include "io/guarda_archivo.h"
#include "test_util.h"

using namespace ruvek;

namespace fs = std::filesystem;

// Runs `prueba` in a child process, without root's privileges when `sin_privilegios` (as
// "nobody", since root writes through any permission), and returns what it reported.
std::string EnHijo(const std::function<std::string()>& prueba, bool sin_privilegios) {
  int tubo[2];
  if (pipe(tubo) != 0) return "pipe failed";
  if (fork() == 0) {
    const bool sin =
        !sin_privilegios || geteuid() != 0 || (setgid(65534) == 0 && setuid(65534) == 0);
    const std::string informe = sin ? prueba() : "no setuid";
    _exit(write(tubo[1], informe.data(), informe.size()) < 0);
  }
  close(tubo[1]);
  char buf[4096];
  const ssize_t n = read(tubo[0], buf, sizeof buf);
  int estado = 0;
  wait(&estado);
  return std::string(buf, std::size_t(std::max<ssize_t>(n, 0))) + (estado ? " [child failed]" : "");
}

TEST(Escritura, AFailureLeavesTheOldFileAndNoTemporary) {
  test::CarpetaTemporal dir;
  const std::string existente = dir.Archivo("solo lectura/paseo.txt"), nuevo(160000, 'x');
  fs::create_directory(dir.Archivo("carpeta.txt"));
  fs::create_directory(dir.Archivo("solo lectura"));
  test::EscribeArchivo(existente, "contenido anterior\r\n");
  fs::permissions(dir.Archivo("solo lectura"),
                  fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
  // The outcome of writing `nombre`, the files in the folder and what the existing one holds.
  const auto escribe = [&](const std::string& nombre) {
    std::string r = test::Resultado([&] { return GuardaArchivo(nombre, nuevo), "ok"; });
    std::set<std::string> nombres;
    for (const auto& e : fs::recursive_directory_iterator(dir.Archivo("")))
      nombres.insert(e.path().filename().string());
    for (const std::string& n : nombres) r += " " + n;
    return r + " | " + test::LeeArchivo(existente);
  };
  const std::string fallo = "archivo@0 carpeta.txt paseo.txt solo lectura | contenido anterior\r\n";
  EXPECT_EQ(escribe(dir.Archivo("no existe/paseo.txt")), fallo);
  EXPECT_EQ(escribe(dir.Archivo("carpeta.txt")), fallo);
  EXPECT_EQ(EnHijo([&] { return escribe(existente); }, true), fallo);
  EXPECT_EQ(EnHijo(
                [&] {  // the disk fills up after 4 KiB
                  rlimit lleno{};
                  getrlimit(RLIMIT_FSIZE, &lleno);
                  lleno.rlim_cur = 4096;
                  std::signal(SIGXFSZ, SIG_IGN);
                  return setrlimit(RLIMIT_FSIZE, &lleno) == 0 ? escribe(existente) : "no rlimit";
                },
                false),
            fallo);
  EXPECT_EQ(escribe(existente), "ok carpeta.txt paseo.txt solo lectura | " + nuevo);
  // A replaced file keeps its permissions; a new one gets those of any new file.
  fs::permissions(existente, fs::perms(0640));
  GuardaArchivo(existente, "x");
  const mode_t mascara = umask(022);
  GuardaArchivo(dir.Archivo("nuevo.txt"), "x");
  umask(mascara);
  EXPECT_EQ(fs::status(existente).permissions(), fs::perms(0640));
  EXPECT_EQ(fs::status(dir.Archivo("nuevo.txt")).permissions(), fs::perms(0644));
  // A read-only file in a folder open to all is not replaced either (but by root).
  const std::string protegido = dir.Archivo("protegido.txt");
  test::EscribeArchivo(protegido, "protegido");
  fs::permissions(protegido, fs::perms(0444));
  EXPECT_EQ(
      EnHijo([&] { return test::Resultado([&] { return GuardaArchivo(protegido, "x"), "ok"; }); },
             true),
      "archivo@0");
  EXPECT_EQ(test::LeeArchivo(protegido), "protegido");
  // A link that leads to itself: the hops end, and the link is replaced by the file.
  std::filesystem::create_symlink("bucle.txt", dir.Archivo("bucle.txt"));
  GuardaArchivo(dir.Archivo("bucle.txt"), "x");
  EXPECT_EQ(test::LeeArchivo(dir.Archivo("bucle.txt")), "x");
}

TEST(Lectura, AFileOthersMayNotReadIsAFileError) {
  test::CarpetaTemporal dir;
  const std::string privado = dir.Archivo("privado.txt");
  test::EscribeArchivo(privado, "1,2\r\n");
  fs::permissions(privado, fs::perms::owner_read | fs::perms::owner_write);
  const auto lee = [&] { return LeeEntrada(privado); };
  EXPECT_EQ(EnHijo([&] { return test::Resultado(lee); }, true), "archivo@0");
}

// A read that a signal interrupts goes on and keeps every byte: a pipe written in two parts, a
// signal every 50 ms while the second is awaited (and an end to the child after two seconds).
TEST(Lectura, SignalsDoNotCutTheInput) {
  const std::string leido = EnHijo(
      [] {
        int tubo[2];
        if (pipe(tubo) != 0) return std::string("pipe failed");
        if (fork() == 0) {
          const bool bien = write(tubo[1], "1,2\n", 4) == 4 && usleep(300000) == 0 &&
                            write(tubo[1], "3,4\n", 4) == 4;
          _exit(bien ? 0 : 1);
        }
        close(tubo[1]);
        struct sigaction a {};
        a.sa_handler = [](int) {
          static int veces = 0;
          if (++veces > 40) _exit(2);
        };
        sigaction(SIGALRM, &a, nullptr);  // without SA_RESTART: read fails with EINTR
        const itimerval cada{{0, 50000}, {0, 50000}};
        setitimer(ITIMER_REAL, &cada, nullptr);
        return LeeDescriptor(tubo[0]);
      },
      false);
  EXPECT_EQ(leido, "1,2\n3,4\n");
}

// Writes `bytes` to `path` and reads its lines back, each in brackets.
std::string Lineas(const std::string& path, const std::string& bytes) {
  test::EscribeArchivo(path, bytes);
  const std::string texto = LeeEntrada(path);
  LineasDeTexto lector = LineasDeArchivo(texto);
  std::string lineas;
  for (std::string_view l; lector.Siguiente(l);) lineas.append("[").append(l).append("]");
  return lineas;
}

TEST(Lineas, EveryLineEndOnceAndEveryKindOfInput) {
  test::CarpetaTemporal dir;
  const std::string path = dir.Archivo("f.txt");
  for (const auto& [bytes, lineas] : test::Casos("line_reader.txt"))
    EXPECT_EQ(Lineas(path, bytes), lineas);
  const std::string tope(kLargoMaximoDeLinea,
                         'x');  // a line of the bound is a line; a byte more is not
  EXPECT_EQ(Lineas(path, tope + "\n" + tope), "[" + tope + "][" + tope + "]");
  EXPECT_EQ(test::Resultado([&] { return Lineas(path, "\n" + tope + "x"); }), "demasiado largo@2");
  // A CR that ends the file, over bytes of earlier reads that were LF.
  EXPECT_EQ(Lineas(path, std::string(200000, '\n') + "b\r").size(), 400003u);
  const auto lee = [](const std::string& p) {
    return test::Resultado([&] { return LeeEntrada(p); });
  };
  EXPECT_EQ(lee(dir.Archivo("no.txt")), "archivo@0");
  EXPECT_EQ(lee(dir.Archivo("")), "archivo@0");
  EXPECT_EQ(lee("/dev/zero"), "demasiado largo@0");  // read up to the bound, and no further
  test::EscribeArchivo(path, "");
  ASSERT_EQ(truncate(path.c_str(), off_t(kLargoMaximoDeEntrada) + 1), 0);  // refused by its size
  EXPECT_EQ(lee(path), "demasiado largo@0");
  int tubo[2];
  ASSERT_EQ(pipe(tubo), 0);
  EXPECT_EQ(write(tubo[1], "1,2\n", 4), 4);
  close(tubo[1]);
  EXPECT_EQ(LeeDescriptor(tubo[0]), "1,2\n");
  close(tubo[0]);
}
