#include "event_test_support.h"

#include <stdexcept>

#include "dfe/exceptions.h"
#include "esocial/configuration_esocial.h"

namespace esocialtest {

esocial::TeSocialCollection& ListaDoTipo(const TComponente& C, esocial::TTipoEvento Tipo) {
  const esocial::TEventos& eventos = C.Eventos();
  const esocial::TGrupoEventos* grupos[] = {&eventos.Iniciais(), &eventos.Tabelas(), &eventos.NaoPeriodicos(),
                                            &eventos.Periodicos()};
  for (const esocial::TGrupoEventos* grupo : grupos)
    if (esocial::TeSocialCollection* lista = grupo->ListaDoTipo(Tipo)) return *lista;
  throw std::invalid_argument("no list holds the type");
}

void UsarLeiaute(TComponente& C, esocial::TVersaoeSocial Versao) {
  C.eSocial->Configuracoes().Geral->SetVersaoDF(Versao);
  C.eSocial->Configuracoes().Arquivos->SetPathSchemas(SchemasDoLeiaute(Versao));
}

std::string Trocar(std::string Xml, const std::string& De, const std::string& Para) {
  const std::size_t p = Xml.find(De);
  EXPECT_NE(p, std::string::npos) << De;
  return p == std::string::npos ? Xml : Xml.replace(p, De.size(), Para);
}

std::string SemGrupo(const std::string& Xml, const std::string& Grupo) {
  const std::size_t inicio = Xml.find("<" + Grupo + ">");
  const std::size_t fim = Xml.find("</" + Grupo + ">", inicio);
  EXPECT_NE(fim, std::string::npos) << Grupo;
  return fim == std::string::npos ? Xml : Xml.substr(0, inicio) + Xml.substr(fim + Grupo.size() + 3);
}

std::string TextoIni(const TIni& Ini) {
  std::string texto;
  for (const auto& [secao, chaves] : Ini) {
    texto += "[" + secao + "]\n";
    for (const auto& [chave, valor] : chaves) texto += chave + "=" + valor + "\n";
  }
  return texto;
}

void VerificarAlertas(const std::vector<std::string>& Alertas, const std::vector<std::string>& Esperados) {
  EXPECT_EQ(Alertas.size(), Esperados.size()) << ::testing::PrintToString(Alertas);
  for (std::size_t i = 0; i < Alertas.size() && i < Esperados.size(); ++i)
    EXPECT_THAT(Alertas[i], ::testing::HasSubstr(Esperados[i]));
}

std::string SchemasDoLeiaute(esocial::TVersaoeSocial Versao) {
  if (Versao >= esocial::veS01_00_00 && Versao <= esocial::veS01_02_00)
    return Schemas() + esocial::VersaoeSocialToStr(Versao) + "/";
  return Schemas();
}

TIni IniIdentificacao(const std::string& Raiz) {
  return {
      {Raiz, {{"Id", kIdEvento}}},
      {"ideEvento", {{"indRetif", "1"}, {"procEmi", "1"}, {"verProc", "NEMBO 1.0"}}},
      {"ideEmpregador", {{"tpInsc", "1"}, {"nrInsc", kEmpregador}}},
      {"ideVinculo", {{"cpfTrab", "12345678909"}, {"matricula", "M-001"}, {"codCateg", "101"}}},
  };
}

std::string ErroNoEsquema(TComponente& C, esocial::TeSocialEvento& Evento, esocial::TVersaoeSocial Versao) {
  esocial::TConfiguracoeseSocial& conf = C.eSocial->Configuracoes();
  UsarLeiaute(C, Versao);
  Evento.GerarXML();
  // The 2.x documents are not recognised: the schema is found by the element under S-1.03.
  bool ok = false;
  const esocial::TTipoEvento tipo = esocial::XMLToTipoEvento(ok, Evento.XML(), esocial::veS01_03_00);
  const std::string assinado =
      Evento.Assinar(Evento.XML(), esocial::TipoEventoToEventoString(tipo, esocial::veS01_03_00));
  std::string erro = testsupport::kNoError;
  try {
    Evento.Validar(esocial::TipoEventoToeSocialSchema(tipo, esocial::veS01_03_00));
  } catch (const dfe::ETrivoeSocialException&) {
    erro = Evento.ErroValidacaoCompleto();
  }
  conf.Arquivos->SetPathSchemas(Schemas());
  EXPECT_FALSE(assinado.empty());
  return erro;
}

}  // namespace esocialtest
