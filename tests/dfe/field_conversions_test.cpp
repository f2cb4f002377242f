#include "dfe/field_conversions.h"

#include <gtest/gtest.h>

#include <set>

#include "dfe/enum_tables.h"

using namespace dfe;

TEST(FieldConversions, FieldFormatOrderIsFixed) {
  EXPECT_EQ(tcStr, 0);
  EXPECT_EQ(tcDe10, 12);
  EXPECT_EQ(tcHor, 13);
  EXPECT_EQ(tcInt64, 21);
  EXPECT_EQ(tcDe1, 22);
  EXPECT_EQ(tcDatBol, 23);
  EXPECT_EQ(kTiposCampo, 24);
  const std::pair<TpcnTipoCampo, int> decimals[] = {{tcDe1, 1}, {tcDe2, 2}, {tcDe3, 3}, {tcDe4, 4},   {tcDe5, 5},
                                                    {tcDe6, 6}, {tcDe7, 7}, {tcDe8, 8}, {tcDe10, 10}, {tcInt, 0}};
  for (auto [t, n] : decimals) EXPECT_EQ(CasasDecimais(t), n) << t;
}

TEST(FieldConversions, EnvironmentAndEmissionCodes) {
  bool ok = false;
  EXPECT_EQ(TipoAmbienteToStr(taProducao), "1");
  EXPECT_EQ(TipoAmbienteToStr(taHomologacao), "2");
  EXPECT_EQ(StrToTipoAmbiente(ok, "2"), taHomologacao);
  EXPECT_TRUE(ok);
  for (const char* bad : {"", "3", " 1"}) {
    EXPECT_EQ(StrToTipoAmbiente(ok, bad), taProducao) << bad;
    EXPECT_FALSE(ok) << bad;
  }
  for (auto t : {taProducao, taHomologacao}) {
    EXPECT_EQ(StrToTipoAmbiente(ok, TipoAmbienteToStr(t)), t);
    EXPECT_TRUE(ok);
  }
  for (int t = teNormal; t <= teOffLine; ++t)
    EXPECT_EQ(TipoEmissaoToStr(static_cast<TpcnTipoEmissao>(t)), std::to_string(t + 1));
}

TEST(FieldConversions, EventTypeNames) {
  EXPECT_EQ(kTiposEventoDFe, 79);
  EXPECT_EQ(TipoEventoDFeToStr(teNaoMapeado), "NaoMapeado");
  EXPECT_EQ(TipoEventoDFeToStr(teCCe), "CCe");
  EXPECT_EQ(TipoEventoDFeToStr(teExcessoBagagem), "ExcessoBagagem");
  EXPECT_EQ(TipoEventoDFeToStr(teRegistroPassagemMDFe), "RegistroPassagemMDFe");
  EXPECT_EQ(TipoEventoDFeToStr(teCancSubst), "CancelamentoPorSubstituicao");
  EXPECT_EQ(TipoEventoDFeToStr(teautorizadoRedespIntermed), "AutorizadoRedespIntermed");
  EXPECT_EQ(TipoEventoDFeToStr(teautorizadoServMultimodal), "AutorizadoServMultimodal");
  const std::set<TpcnTpEvento> unnamed = {teComprEntrega,           teCancComprEntrega,       teInclusaoDFe,
                                          teAutorizadoSubstituicao, teAutorizadoAjuste,       teLiberacaoPrazoCancelado,
                                          tePagamentoOperacao,      teConfirmaServMDFe,       teAlteracaoPagtoServMDFe,
                                          teInsucessoEntregaNFe,    teCancInsucessoEntregaNFe};
  std::set<std::string> names;
  for (int i = 0; i < kTiposEventoDFe; ++i) {
    auto t = static_cast<TpcnTpEvento>(i);
    std::string name = TipoEventoDFeToStr(t);
    EXPECT_EQ(name.empty(), unnamed.count(t) == 1) << i;
    if (!name.empty()) {
      EXPECT_TRUE(names.insert(name).second) << name;
    }
  }
  EXPECT_EQ(names.size(), 68u);
}

TEST(FieldConversions, StatesInDeclaredOrder) {
  ASSERT_EQ(SiglasUF.size(), CodigosUF.size());
  EXPECT_EQ(SiglasUF.front(), "AC");
  EXPECT_EQ(CodigosUF.front(), 12);
  EXPECT_EQ(SiglasUF.back(), "TO");
  EXPECT_EQ(CodigosUF.back(), 17);
  int code = -1;
  EXPECT_TRUE(CodigoDaSiglaUF("SP", code));
  EXPECT_EQ(code, 35);
  EXPECT_TRUE(CodigoDaSiglaUF("RS", code));
  EXPECT_EQ(code, 43);
  code = -1;
  EXPECT_FALSE(CodigoDaSiglaUF("sp", code));  // exact comparison
  EXPECT_FALSE(CodigoDaSiglaUF("XX", code));
  EXPECT_EQ(code, -1);
  EXPECT_EQ(std::set<int>(CodigosUF.begin(), CodigosUF.end()).size(), 27u);
}

TEST(EnumTables, GenericFamiliesEdgeCases) {
  constexpr std::string_view codes[] = {"A", "b", "C"};
  bool ok = false;
  EXPECT_EQ(StrToEnumPorPosicao(ok, "B", codes), 1);
  EXPECT_TRUE(ok);
  EXPECT_EQ(StrToEnumPorPosicao(ok, " A", codes), 0);
  EXPECT_FALSE(ok);
  EXPECT_EQ(EnumPorPosicaoToStr(3, codes), "");
  EXPECT_EQ(EnumPorPosicaoToStr(-1, codes), "");

  constexpr std::string_view dup[] = {"1", "2", "1"};
  constexpr int values[] = {5, 6, 7};
  EXPECT_EQ(StrToEnumPorValor(ok, "1", dup, values), 7);  // the later entry wins
  EXPECT_TRUE(ok);
  EXPECT_EQ(StrToEnumPorValor(ok, "9", dup, values), 5);
  EXPECT_FALSE(ok);
  EXPECT_EQ(EnumPorValorToStr(6, dup, values), "2");
  EXPECT_EQ(EnumPorValorToStr(8, dup, values), "");
}
