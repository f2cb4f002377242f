// The SAGRES validator's import folder, where the downloaded archive is unpacked.
#include "agent/sagres_command.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "support/message_of.h"

namespace {

// Sets or clears an environment variable for one scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, std::optional<std::string> value) : FName(name) {
    if (const char* old = std::getenv(name)) FOld = old;
    if (value)
      setenv(name, value->c_str(), 1);
    else
      unsetenv(name);
  }
  ~ScopedEnv() {
    if (FOld)
      setenv(FName, FOld->c_str(), 1);
    else
      unsetenv(FName);
  }

 private:
  const char* FName;
  std::optional<std::string> FOld;
};

std::string ErrorOf(const std::string& protocolo) {
  return testsupport::MessageOf([&] { agent::SagresImportFolder(protocolo); });
}

}  // namespace

TEST(SagresImportFolder, DriveCFromTheEnvironment) {
  ScopedEnv home("HOME", "/home/u");
  {
    ScopedEnv drive("NEMBO_DRIVE_C", std::nullopt), prefix("WINEPREFIX", std::nullopt);
    EXPECT_EQ(agent::DriveCFolder(), "/home/u/.wine/drive_c");
  }
  {
    ScopedEnv drive("NEMBO_DRIVE_C", ""), prefix("WINEPREFIX", "/opt/wine/");
    EXPECT_EQ(agent::DriveCFolder(), "/opt/wine/drive_c");
  }
  {
    ScopedEnv drive("NEMBO_DRIVE_C", "/srv/c/"), prefix("WINEPREFIX", "/opt/wine");
    EXPECT_EQ(agent::DriveCFolder(), "/srv/c");
  }
}

TEST(SagresImportFolder, BuiltFromTheProtocolo) {
  ScopedEnv drive("NEMBO_DRIVE_C", "/c");
  const std::pair<const char*, const char*> cases[] = {
      {"2024/123-05", "/c/ValidadorSagres123/2024/importacao/5/folha"},
      {"2024/123-05/ignored-too", "/c/ValidadorSagres123/2024/importacao/5/folha"},
      {"2024/123-0-9", "/c/ValidadorSagres123/2024/importacao/0/folha"},
      {"a b/é-2147483647", "/c/ValidadorSagresé/a b/importacao/2147483647/folha"},
      {"2024/123-0000000000000000000007", "/c/ValidadorSagres123/2024/importacao/7/folha"},
  };
  for (const auto& [protocolo, folder] : cases) EXPECT_EQ(agent::SagresImportFolder(protocolo), folder) << protocolo;
}

TEST(SagresImportFolder, RefusesPartsThatAreNoPlainComponentOrNumber) {
  ScopedEnv drive("NEMBO_DRIVE_C", "/c");
  EXPECT_EQ(ErrorOf("2024/123-x"), "'x' não é um número inteiro válido");
  const char* invalid[] = {
      "",
      "2024",
      "2024/123",
      "2024/123-",
      "/123-5",
      "2024/-5",
      "./123-5",
      "../123-5",
      "2024/.-5",
      "2024/..-5",
      "..\\..\\x/1-5",
      "20\\24/123-5",
      "2024/1\\23-5",
      "20\x01/123-5",
      "2024/1\t-5",
      "2024/1\x7f-5",
      "2024/1\xc2\x9f-5",
      "2024/123-+5",
      "2024/123- 5",
      "2024/123-5 ",
      "2024/123-0x1",
      "2024/123-2147483648",
      "2024/123-99999999999999999999",
      "2024/123-٣",
  };
  for (const std::string protocolo : invalid) EXPECT_NE(ErrorOf(protocolo), testsupport::kNoError) << protocolo;
  EXPECT_EQ(ErrorOf("2024"), "Protocolo inválido: 2024");
}
