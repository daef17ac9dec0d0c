// Failing disks and vanishing files under the real file commands: each command ends silently,
// the state is what the failure left, an existing file stays byte for byte as it was and no
// partial or temporary file is left behind.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <sstream>

#include "fake_plataforma.h"
#include "test_util.h"
#include "ui/archivo_qt.h"
#include "ui/ordenes.h"

namespace ruvek {
namespace {

namespace fs = std::filesystem;

// Runs `prueba` in a child process without root's privileges (as "nobody" when the suite runs
// as root, since root writes through any permission) and returns what it reported.
std::string SinPrivilegios(const std::function<std::string()>& prueba) {
  int tubo[2];
  if (pipe(tubo) != 0) return "pipe failed";
  const pid_t hijo = fork();
  if (hijo == 0) {
    close(tubo[0]);
    std::string informe;
    try {
      if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
        informe = "cannot drop privileges";
      } else {
        informe = prueba();
      }
    } catch (const std::exception& e) {
      informe = std::string("exception: ") + e.what();
    }
    const ssize_t escrito = write(tubo[1], informe.data(), informe.size());
    _exit(escrito == static_cast<ssize_t>(informe.size()) ? 0 : 1);
  }
  close(tubo[1]);
  std::string informe;
  char buf[4096];
  for (ssize_t n; (n = read(tubo[0], buf, sizeof buf)) > 0;)
    informe.append(buf, static_cast<size_t>(n));
  close(tubo[0]);
  int estado = 0;
  waitpid(hijo, &estado, 0);
  if (!WIFEXITED(estado) || WEXITSTATUS(estado) != 0) informe += " [child failed]";
  return informe;
}

// A file of this size cannot be written while the limit below is in force.
constexpr rlim_t kLimiteDisco = 4096;

// Runs `f` as if the disk filled up after kLimiteDisco bytes of any one file.
template <typename F>
void ConDiscoLleno(F&& f) {
  rlimit antes{};
  getrlimit(RLIMIT_FSIZE, &antes);
  const auto senal = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limite = antes;
  limite.rlim_cur = kLimiteDisco;
  setrlimit(RLIMIT_FSIZE, &limite);
  f();
  setrlimit(RLIMIT_FSIZE, &antes);
  std::signal(SIGXFSZ, senal);
}

// Everything a failure must leave alone, as text for readable differences.
std::string Estado(const Module1& m, const test::FakePlataforma& p, const fs::path& carpeta,
                   const std::string& existente) {
  std::ostringstream s;
  s << "calls:";
  for (const std::string& l : p.llamadas) s << " [" << l.substr(0, l.find(" |")) << "]";
  s << "\nArchivoActual: " << m.ArchivoActual << "\ncaption: " << p.titulo
    << "\nNumPuntos: " << m.NumPuntos << "\nrow 1 X: " << m.TablaPuntos.Lee(1, ColumnaX).Text()
    << "\nfolder:";
  for (const auto& e : fs::directory_iterator(carpeta)) s << ' ' << e.path().filename().string();
  if (!existente.empty()) s << "\nexisting file: " << test::ReadFile(existente);
  return s.str();
}

class Fallos : public testing::Test {
 protected:
  Fallos() {
    ordenes.Form_Load();
    p.escritor = GuardaConQSaveFile;
    fs::permissions(dir.path(), fs::perms::all);  // the unprivileged child works here too
    // A track of 10,000 points: either file is far larger than the disk allows.
    std::string texto;
    for (int i = 0; i < MaxPuntos; ++i) {
      texto += std::to_string(612345 + i) + "," + std::to_string(4734567 + i) + "\r\n";
    }
    ordenes.Utilizar(texto);
    p.llamadas.clear();
    titulo = p.titulo;
  }

  std::string Guarda(void (Ordenes::*guardar)(), const std::string& nombre,
                     const std::string& existente) {
    p.llamadas.clear();
    p.respuestas.push_back(test::Elige(nombre));
    (ordenes.*guardar)();
    return Estado(m, p, dir.path(), existente);
  }

  std::string Esperado(const std::string& nombre, const std::string& existente,
                       const char* contenido) {
    std::ostringstream s;
    s << "calls: [Dialogo guardar] [Guarda " << nombre << "]\nArchivoActual: " << nombre
      << "\ncaption: " << titulo << "\nNumPuntos: 10000\nrow 1 X: 612345\nfolder:";
    for (const auto& e : fs::directory_iterator(dir.path()))
      s << ' ' << e.path().filename().string();
    if (!existente.empty()) s << "\nexisting file: " << contenido;
    return s.str();
  }

  test::TempDir dir;
  Module1 m;
  test::FakePlataforma p;
  Ordenes ordenes{m, p};
  std::string titulo;
};

const std::pair<const char*, void (Ordenes::*)()> kGuardados[] = {
    {"GuardarSitna", &Ordenes::GuardarSitna_Click}, {"GuardarTM", &Ordenes::GuardarTM_Click}};

TEST_F(Fallos, SaveIntoAMissingFolderOrOntoAFolder) {
  fs::create_directory(dir.File("carpeta.txt"));
  for (const auto& [orden, guardar] : kGuardados) {
    for (const std::string& nombre : {dir.File("no existe/paseo.txt"), dir.File("carpeta.txt")}) {
      const std::string esperado = Esperado(nombre, "", "");
      EXPECT_EQ(Guarda(guardar, nombre, ""), esperado) << orden;
    }
  }
}

TEST_F(Fallos, SaveWhenTheDiskFillsUpHalfWay) {
  const std::string existente = dir.File("paseo.txt");
  for (const auto& [orden, guardar] : kGuardados) {
    test::WriteFile(existente, "contenido anterior\r\n");
    const std::string esperado = Esperado(existente, existente, "contenido anterior\r\n");
    std::string estado;
    ConDiscoLleno([&] { estado = Guarda(guardar, existente, existente); });
    EXPECT_EQ(estado, esperado) << orden;
  }
}

TEST_F(Fallos, SaveIntoAFolderWithoutWritePermission) {
  const fs::path carpeta = dir.path() / "solo lectura";
  fs::create_directory(carpeta);
  const std::string existente = (carpeta / "paseo.txt").string();
  test::WriteFile(existente, "contenido anterior\r\n");
  fs::permissions(carpeta, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                               fs::perms::others_read | fs::perms::others_exec);
  for (const auto& [orden, guardar] : kGuardados) {
    const std::string informe = SinPrivilegios([&, guardar = guardar] {
      const std::string estado = Guarda(guardar, existente, existente);
      const std::string esperado = Esperado(existente, existente, "contenido anterior\r\n");
      return estado == esperado ? std::string() : estado + "\n--- expected ---\n" + esperado;
    });
    EXPECT_EQ(informe, "") << orden;
    EXPECT_EQ(fs::directory_iterator(carpeta)->path(), existente);
  }
}

TEST_F(Fallos, SaveReplacesAnExistingFileWhole) {
  const std::string existente = dir.File("paseo.txt");
  test::WriteFile(existente, std::string(1000000, 'x'));
  p.respuestas.push_back(test::Elige(existente));
  ordenes.GuardarSitna_Click();
  EXPECT_EQ(fs::file_size(existente), 160000u);
  EXPECT_EQ(p.llamadas.back(),
            "Mensaje Track guardado | Este track se ha guardado para ser "
            "utilizado en el web del Sitna");
}

// Abrir: the file the user chose is gone or unreadable by the time it is read.
std::string AbreYFalla(Module1& m, test::FakePlataforma& p, Ordenes& ordenes,
                       const std::string& nombre, const fs::path& carpeta) {
  p.llamadas.clear();
  p.respuestas.push_back(test::Elige(nombre));
  ordenes.Abrir_Click();
  return Estado(m, p, carpeta, "");
}

TEST_F(Fallos, OpenAFileThatVanishesIsUnreadableOrIsAFolder) {
  const std::string nombre = dir.File("paseo.txt");
  const auto esperado = [&](const std::string& n) {
    return "calls: [Dialogo abrir] [Habilita Analizar off] [Habilita GuardarSitna off] "
           "[Habilita GuardarTM off]\nArchivoActual: " +
           n + "\ncaption: " + titulo + "\nNumPuntos: 10000\nrow 1 X: 0\nfolder:" +
           (fs::exists(n) ? " " + fs::path(n).filename().string() : std::string());
  };

  std::filesystem::copy_file(test::DataFile("trackmaker_crlf.txt"), nombre);
  p.al_elegir = [&] { fs::remove(nombre); };
  const std::string estado = AbreYFalla(m, p, ordenes, nombre, dir.path());
  EXPECT_EQ(estado, esperado(nombre));

  std::filesystem::copy_file(test::DataFile("trackmaker_crlf.txt"), nombre);
  if (geteuid() == 0) {
    ASSERT_EQ(chown(nombre.c_str(), 65534, 65534), 0);  // the file of the unprivileged child
  }
  p.al_elegir = [&] { fs::permissions(nombre, fs::perms::none); };
  const std::string informe = SinPrivilegios([&] {
    const std::string estado = AbreYFalla(m, p, ordenes, nombre, dir.path());
    return estado == esperado(nombre) ? std::string() : estado;
  });
  EXPECT_EQ(informe, "");

  fs::remove(nombre);
  fs::create_directory(nombre);
  p.al_elegir = nullptr;
  m.TablaPuntos.Escribe(1, ColumnaX, ValorFijo::Whole(1));
  const std::string carpeta = AbreYFalla(m, p, ordenes, nombre, dir.path());
  EXPECT_EQ(carpeta, esperado(nombre));
}

}  // namespace
}  // namespace ruvek
