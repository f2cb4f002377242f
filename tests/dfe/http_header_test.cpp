// The header list: adding a header replaces the first one of that name.
#include "dfe/http_header.h"

#include <gtest/gtest.h>

namespace {

TEST(HttpHeader, AddReplacesTheFirstLineOfThatNameOnly) {
  dfe::THttpHeader h;
  h.AddHeader("X-Token", "longo");
  h.AddHeader("Authorization", "Bearer a");
  h.AddHeader("X", "1");
  h.AddHeader("Authorization", "Bearer b");
  h.AddHeader("authorization", "caixa");  // letter case counts: another line
  EXPECT_EQ(h.Text(), "X-Token: longo\r\nAuthorization: Bearer b\r\nX: 1\r\nauthorization: caixa\r\n");
  h.SetText("SOAPAction : a\r\nSOAPAction: b\r\n");
  h.AddHeader("SOAPAction", "c");
  EXPECT_EQ(h.Text(), "SOAPAction: c\r\nSOAPAction: b\r\n");
  EXPECT_EQ(h.GetHeaderValue("soapaction"), "c");
}

}  // namespace
