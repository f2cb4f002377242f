// The command types the host knows.
#include "agent/command_types.h"

#include <gtest/gtest.h>

#include "agent/test_command.h"

using namespace agent;
using agenttest::Request;
using agenttest::Results;

namespace {

TEST(CommandTypes, OnlyListedTypesAreKnown) {
  Results r;
  TAppMessage m = Request();
  for (const auto& t : CommandTypes()) {
    m.command_type = std::string(t.Name) + "1.6";
    EXPECT_THROW(CreateCommand(m, r.Callback(), "1.7"), std::runtime_error);
  }
  m.command_type = "qualquer";
  try {
    CreateCommand(m, r.Callback(), "1.7");
    ADD_FAILURE();
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "Comando inválido: qualquer");
  }
}

}  // namespace
