#include "platform/cert_dialog.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "platform/strings.h"

extern char** environ;

namespace platform {

namespace {
bool EnvSet(const char* name) {
  const char* v = std::getenv(name);
  return v != nullptr && *v != '\0';
}
}  // namespace

bool HasDesktopSession() { return EnvSet("DISPLAY") || EnvSet("WAYLAND_DISPLAY"); }

int RunDialog(const std::vector<std::string>& argv, std::string& output) {
  output.clear();
  if (argv.empty()) return -1;
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) return -1;

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, fds[1], 1);

  std::vector<char*> args;
  for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  pid_t pid = -1;
  int rc = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  if (rc != 0) {
    close(fds[0]);
    std::cerr << argv[0] << ": " << std::strerror(rc) << '\n';
    return -1;
  }

  char buf[4096];
  for (;;) {
    ssize_t n = read(fds[0], buf, sizeof buf);
    if (n > 0) {
      output.append(buf, static_cast<std::size_t>(n));
    } else if (n == 0 || errno != EINTR) {
      break;
    }
  }
  close(fds[0]);

  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string ChooseCertificate(const std::string& title, const std::string& text,
                              const std::vector<CertificateRow>& rows) {
  if (const char* serial = std::getenv("NEMBO_CERT_SERIAL"); serial != nullptr && *serial != '\0') return serial;
  if (!HasDesktopSession()) return {};

  std::vector<std::string> argv{"zenity",
                                "--list",
                                "--title=" + title,
                                "--text=" + text,
                                "--width=720",
                                "--height=360",
                                "--column=Número de série",
                                "--column=Emitido para",
                                "--column=Validade",
                                "--print-column=1"};
  for (const auto& r : rows) {
    argv.push_back(r.Serial);
    argv.push_back(r.Holder);
    argv.push_back(r.Expiry);
  }
  std::string output;
  if (RunDialog(argv, output) != 0) return {};
  // zenity ends the chosen value with a newline; "|" would separate several rows.
  std::string chosen = Trim(output);
  if (auto bar = chosen.find('|'); bar != std::string::npos) chosen.resize(bar);
  return chosen;
}

std::string AskTokenPin(const std::string& tokenName, bool retry) {
  if (!HasDesktopSession()) return {};
  std::string text = (retry ? "PIN incorreto. " : "") + std::string("Digite o PIN de ") + tokenName + ":";
  std::string output;
  if (RunDialog({"zenity", "--entry", "--hide-text", "--title=PIN do certificado", "--text=" + text}, output) != 0)
    return {};
  while (!output.empty() && (output.back() == '\n' || output.back() == '\r')) output.pop_back();
  return output;
}

}  // namespace platform
