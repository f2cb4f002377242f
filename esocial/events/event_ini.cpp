#include "esocial/events/event_ini.h"

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <system_error>
#include <vector>

#include "esocial/event_base.h"
#include "esocial/records_payments.h"
#include "esocial/trivo_esocial.h"
#include "platform/convert_error.h"
#include "platform/number_text.h"
#include "platform/strings.h"
#include "platform/text_file.h"
#include "platform/text_utils.h"

namespace esocial {

TLeitorIniEvento::TLeitorIniEvento(const std::string& AIniString) {
  const auto tem = [&](char c) { return AIniString.find(c) != std::string::npos; };
  if (tem('[') && tem(']') && tem('=')) {
    FIni.LoadFromText(AIniString);
    return;
  }
  if (platform::Trim(AIniString).empty()) throw std::runtime_error("String INI informada não é válida.");
  std::error_code ec;
  if (!std::filesystem::is_regular_file(AIniString, ec))
    throw std::runtime_error("Arquivo: " + AIniString + " não encontrado.");
  FIni.LoadFromText(platform::LoadTextFileCrLf(AIniString));
}

std::string TLeitorIniEvento::Texto(std::string_view Secao, std::string_view Chave, std::string_view Padrao) const {
  return FIni.ReadString(Secao, Chave, Padrao);
}

int TLeitorIniEvento::Inteiro(std::string_view Secao, std::string_view Chave, int Padrao) const {
  const std::int64_t valor = FIni.ReadInteger(Secao, Chave, Padrao);
  return valor < INT32_MIN || valor > INT32_MAX ? Padrao : static_cast<int>(valor);
}

double TLeitorIniEvento::Decimal(std::string_view Secao, std::string_view Chave) const {
  double valor = 0;
  return platform::TryTextToFloat(Texto(Secao, Chave), valor) ? valor : 0;
}

platform::TDateTime TLeitorIniEvento::Data(std::string_view Secao, std::string_view Chave) const {
  const std::string texto = platform::Trim(Texto(Secao, Chave, "0"));
  if (texto.empty() || texto == "0") return 0;
  std::vector<std::string> partes(1);
  for (char c : texto) {
    if (c == '/' || c == '-' || c == '.')
      partes.emplace_back();
    else
      partes.back() += c;
  }
  int dia = 0, mes = 0, ano = 0;
  platform::TDateTime data = 0;
  const bool lida = partes.size() == 3 && platform::TemSomenteDigitos(partes[0]) &&
                    platform::TemSomenteDigitos(partes[1]) && platform::TemSomenteDigitos(partes[2]) &&
                    (partes[2].size() == 2 || partes[2].size() == 4) && partes[0].size() <= 2 && partes[1].size() <= 2;
  if (lida) {
    dia = platform::StrToIntDef(partes[0], 0);
    mes = platform::StrToIntDef(partes[1], 0);
    ano = platform::StrToIntDef(partes[2], 0) + (partes[2].size() == 2 ? 2000 : 0);
  }
  if (!lida || !platform::TryEncodeDate(ano, mes, dia, data))
    throw platform::EConvertError("'" + texto + "' is not a valid date");
  return data;
}

std::int64_t TLeitorIniEvento::InteiroNaFaixa(std::string_view Secao, std::string_view Chave, std::int64_t Minimo,
                                              std::int64_t Maximo) const {
  const std::string texto = Texto(Secao, Chave);
  std::int64_t valor = 0;
  if (texto.empty()) return 0;
  if (!platform::TryStrToInt64(texto, valor) || valor < Minimo || valor > Maximo) ValorInvalido(Secao, Chave, texto);
  return valor;
}

void TLeitorIniEvento::LerIdentificacao(TeSocialEvento& Evento, std::string_view Raiz) const {
  Evento.Id = Texto(Raiz, "Id");
  Evento.Sequencial = Inteiro(Raiz, "Sequencial");
}

TModoLancamento TLeitorIniEvento::ModoLancamento(std::string_view Raiz) const {
  return CodigoEstrito(Raiz, "ModoLancamento", "inclusao", StrToModoLancamento);
}

TTipoEvento TLeitorIniEvento::TipoEvento(std::string_view Secao, std::string_view Chave) const {
  const std::string texto = Texto(Secao, Chave);
  bool ok = false;
  const TTipoEvento tipo = StrToTipoEvento(ok, texto);
  // The texts past S-8299 name services and replies, and the empty one no type at all.
  if (!ok || tipo > teS8299) ValorInvalido(Secao, Chave, texto);
  return tipo;
}

bool TLeitorIniEvento::AlgumaChave(std::string_view Secao, std::initializer_list<std::string_view> Chaves) const {
  for (std::string_view chave : Chaves)
    if (!Texto(Secao, chave).empty()) return true;
  return false;
}

void TLeitorIniEvento::ValorInvalido(std::string_view Secao, std::string_view Chave, std::string_view Texto) {
  throw std::runtime_error("INI: valor inválido em [" + std::string(Secao) + "] " + std::string(Chave) + ": \"" +
                           std::string(Texto) + "\"");
}

void TLeitorIniEvento::LerIdeEvento(TIdeEvento& IdeEvento) const {
  IdeEvento.ProcEmi = Codigo("ideEvento", "procEmi", "1", StrToProcEmi);
  IdeEvento.VerProc = Texto("ideEvento", "verProc");
}

void TLeitorIniEvento::LerIdeEvento2(TIdeEvento2& IdeEvento, bool LerIndGuia) const {
  IdeEvento.indRetif = Codigo("ideEvento", "indRetif", "1", StrToIndRetificacao);
  IdeEvento.NrRecibo = Texto("ideEvento", "nrRecibo");
  if (LerIndGuia) IdeEvento.indGuia = Texto("ideEvento", "indGuia");
  LerIdeEvento(IdeEvento);
}

void TLeitorIniEvento::LerIdeEvento3(TIdeEvento3& IdeEvento, bool LerIndGuia) const {
  LerIdeEvento2(IdeEvento, LerIndGuia);
  LerApuracao(IdeEvento.IndApuracao, IdeEvento.perApur);
}

void TLeitorIniEvento::LerIdeEvento4(TIdeEvento4& IdeEvento, bool LerIndGuia) const {
  LerApuracao(IdeEvento.IndApuracao, IdeEvento.perApur);
  if (LerIndGuia) IdeEvento.indGuia = Texto("ideEvento", "indGuia");
  LerIdeEvento(IdeEvento);
}

void TLeitorIniEvento::LerApuracao(tpIndApuracao& IndApuracao, std::string& perApur) const {
  IndApuracao = Codigo("ideEvento", "indApuracao", "1", StrToIndApuracao);
  perApur = Texto("ideEvento", "perApur");
}

void TLeitorIniEvento::LerIdeEmpregador(TIdeEmpregador& IdeEmpregador, const TeSocialEvento& Evento,
                                        bool DefinirOrgaoPublico) const {
  if (DefinirOrgaoPublico)
    IdeEmpregador.OrgaoPublico = Evento.Configuracoes().Geral->TipoEmpregador() == teOrgaoPublico;
  IdeEmpregador.TpInsc = Codigo("ideEmpregador", "tpInsc", "1", StrToTpInsc);
  IdeEmpregador.NrInsc = Texto("ideEmpregador", "nrInsc");
}

void TLeitorIniEvento::LerIdeVinculo(TIdeVinculo& IdeVinculo, bool LerNisTrab) const {
  IdeVinculo.cpfTrab = Texto("ideVinculo", "cpfTrab");
  if (LerNisTrab) IdeVinculo.nisTrab = Texto("ideVinculo", "nisTrab");
  IdeVinculo.matricula = Texto("ideVinculo", "matricula");
  IdeVinculo.codCateg = Inteiro("ideVinculo", "codCateg");
}

std::string TLeitorIniEvento::NomeSecao(std::string_view Prefixo, int Numero, int Largura) {
  return std::string(Prefixo) + platform::InteiroComZeros(Numero, Largura);
}

void TLeitorIniEvento::LerLista(
    std::string_view Prefixo, int Largura, std::string_view Chave,
    const std::function<void(int Numero, const std::string& Secao, const std::string& Valor)>& Item) const {
  for (int numero = 1; numero <= UltimoNumero(Largura); ++numero) {
    const std::string secao = NomeSecao(Prefixo, numero, Largura);
    const std::string valor = Texto(secao, Chave, "FIM");
    if (FimDaLista(valor)) break;
    Item(numero, secao, valor);
  }
}

int TLeitorIniEvento::UltimoNumero(int Largura) {
  // A longer number would be cut to its first digits and name an earlier section again.
  int ultimo = 0;
  for (int i = 0; i < Largura && ultimo < 100000; ++i) ultimo = ultimo * 10 + 9;
  return ultimo;
}

void TLeitorIniEvento::LerItensRemun(std::string_view Posicao, TRubricaCollection& Itens, bool LerDescFolha,
                                     std::string_view Grupo) const {
  const std::string itens = std::string(Grupo) + std::string(Posicao);
  LerLista(itens, 3, "codRubr", [&](int Numero, const std::string& Secao, const std::string& codRubr) {
    TRubricaCollectionItem& item = Itens.New();
    item.codRubr = codRubr;
    item.ideTabRubr = Texto(Secao, "ideTabRubr");
    item.qtdRubr = Decimal(Secao, "qtdRubr");
    item.fatorRubr = Decimal(Secao, "fatorRubr");
    item.vrUnit = Decimal(Secao, "vrUnit");
    item.vrRubr = Decimal(Secao, "vrRubr");
    item.indApurIR = Codigo(Secao, "indApurIR", "", StrToIndApurIR, tiaiNenhum);
    const std::string desconto = NomeSecao("descFolha" + std::string(Posicao), Numero, 3);
    if (!LerDescFolha || !SecaoExiste(desconto)) return;
    item.descFolha.tpDesc = StrToTpDesc(Texto(desconto, "tpDesc"));
    item.descFolha.instFinanc = Texto(desconto, "instFinanc");
    item.descFolha.nrDoc = Texto(desconto, "nrDoc");
    item.descFolha.observacao = Texto(desconto, "observacao");
  });
}

void TLeitorIniEvento::LerInfoRRA(std::string_view Posicao, std::string_view SecaoCustas, TInfoRRA& InfoRRA) const {
  const std::string secao = "infoRRA" + std::string(Posicao);
  InfoRRA.tpProcRRA = Codigo(secao, "tpProcRRA", "", StrToTpProcRRA);
  InfoRRA.nrProcRRA = Texto(secao, "nrProcRRA");
  InfoRRA.descRRA = Texto(secao, "descRRA");
  InfoRRA.qtdMesesRRA = Decimal(secao, "qtdMesesRRA");
  const std::string custas = std::string(SecaoCustas) + std::string(Posicao);
  if (!Texto(custas, "vlrDespCustas").empty() || !Texto(custas, "vlrDespAdvogados").empty()) {
    InfoRRA.despProcJud().vlrDespCustas = Decimal(custas, "vlrDespCustas");
    InfoRRA.despProcJud().vlrDespAdvogados = Decimal(custas, "vlrDespAdvogados");
  }
  // The list ends where neither the kind nor the number is given: a lawyer known by the number
  // alone takes the default kind.
  const std::string advogados = "ideAdv" + std::string(Posicao);
  for (int numero = 1; numero <= UltimoNumero(2); ++numero) {
    const std::string adv = NomeSecao(advogados, numero, 2);
    if (FimDaLista(Texto(adv, "tpInsc", "FIM")) && FimDaLista(Texto(adv, "nrInsc", "FIM"))) break;
    TIdeAdvCollectionItem& item = InfoRRA.ideAdv().New();
    item.tpInsc = Codigo(adv, "tpInsc", "1", StrToTpInsc);
    item.nrInsc = Texto(adv, "nrInsc");
    item.vlrAdv = Decimal(adv, "vlrAdv");
  }
}

void TLeitorIniEvento::LerFimVerbasResc(const std::function<TVerbasResc&()>& VerbasResc) const {
  LerLista("procJudTrab", 2, "tpTrib", [&](int, const std::string& Secao, const std::string&) {
    TProcJudTrabCollectionItem& p = VerbasResc().procJudTrab().New();
    p.tpTrib = CodigoEstrito(Secao, "tpTrib", "", StrToTpTributo);
    p.nrProcJud = Texto(Secao, "nrProcJud");
    p.codSusp = Texto(Secao, "codSusp");
  });
  if (Texto("infoMV", "indMV").empty()) return;
  TInfoMV& infoMV = VerbasResc().infoMV();
  infoMV.indMV = CodigoEstrito("infoMV", "indMV", "", StrToIndMV);
  LerLista("remunOutrEmpr", 3, "tpInsc", [&](int, const std::string& Secao, const std::string&) {
    TRemunOutrEmprCollectionItem& o = infoMV.remunOutrEmpr.New();
    o.tpInsc = CodigoEstrito(Secao, "tpInsc", "", StrToTpInsc);
    o.nrInsc = Texto(Secao, "nrInsc");
    o.codCateg = InteiroExato<int>(Secao, "codCateg");
    o.vlrRemunOE = Decimal(Secao, "vlrRemunOE");
  });
}

bool GerarEAtribuirXML(TeSocialEvento& Evento) {
  Evento.GerarXML();
  Evento.SetXML(Evento.XML());
  return true;
}

}  // namespace esocial
