#include "esocial/events/event_ini.h"

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <system_error>
#include <vector>

#include "esocial/configuration_esocial.h"
#include "esocial/event_base.h"
#include "esocial/records_contract.h"
#include "esocial/records_payments.h"
#include "esocial/records_worker.h"
#include "esocial/trivo_esocial.h"
#include "platform/convert_error.h"
#include "platform/number_text.h"
#include "platform/strings.h"
#include "platform/text_file.h"
#include "platform/text_utils.h"
#include "platform/variant.h"

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

double TLeitorIniEvento::DecimalEstrito(std::string_view Secao, std::string_view Chave) const {
  const std::string texto = Texto(Secao, Chave);
  double valor = 0;
  if (!texto.empty() && !platform::TryTextToFloat(texto, valor)) ValorInvalido(Secao, Chave, texto);
  return valor;
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

void TLeitorIniEvento::LerIdeVinculo(TIdeVinculo& IdeVinculo, bool LerNisTrab, bool LerCodCateg) const {
  IdeVinculo.cpfTrab = Texto("ideVinculo", "cpfTrab");
  if (LerNisTrab) IdeVinculo.nisTrab = Texto("ideVinculo", "nisTrab");
  IdeVinculo.matricula = Texto("ideVinculo", "matricula");
  if (LerCodCateg) IdeVinculo.codCateg = Inteiro("ideVinculo", "codCateg");
}

void TLeitorIniEvento::LerIdeTrabSemVinculo(TideTrabSemVinc& IdeTrabSemVinc) const {
  IdeTrabSemVinc.cpfTrab = Texto("ideTrabSemVinculo", "cpfTrab");
  IdeTrabSemVinc.nisTrab = Texto("ideTrabSemVinculo", "nisTrab");
  IdeTrabSemVinc.codCateg = InteiroExato<int>("ideTrabSemVinculo", "codCateg");
  IdeTrabSemVinc.matricula = Texto("ideTrabSemVinculo", "matricula");
}

void TLeitorIniEvento::LerIdeRespInf(TIdeRespInf& IdeRespInf) const {
  if (!AlgumaChave("ideRespInf", {"nmResp", "cpfResp", "telefone", "email"})) return;
  IdeRespInf.nmResp = Texto("ideRespInf", "nmResp");
  IdeRespInf.cpfResp = Texto("ideRespInf", "cpfResp");
  IdeRespInf.telefone = Texto("ideRespInf", "telefone");
  IdeRespInf.email = Texto("ideRespInf", "email");
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

void TLeitorIniEvento::LerEnderecoBrasil(std::string_view Secao, TBrasil& Brasil) const {
  Brasil.TpLograd = Texto(Secao, "tpLograd");
  Brasil.DscLograd = Texto(Secao, "dscLograd");
  Brasil.NrLograd = Texto(Secao, "nrLograd");
  Brasil.Complemento = Texto(Secao, "complemento");
  Brasil.Bairro = Texto(Secao, "bairro");
  Brasil.Cep = Texto(Secao, "cep");
  Brasil.CodMunic = InteiroExato<int>(Secao, "codMunic");
  Brasil.UF = Texto(Secao, "uf");
}

void TLeitorIniEvento::LerEnderecoExterior(std::string_view Secao, TExterior& Exterior) const {
  Exterior.PaisResid = Texto(Secao, "paisResid");
  Exterior.DscLograd = Texto(Secao, "dscLograd");
  Exterior.NrLograd = Texto(Secao, "nrLograd");
  Exterior.Complemento = Texto(Secao, "complemento");
  Exterior.Bairro = Texto(Secao, "bairro");
  Exterior.NmCid = Texto(Secao, "nmCid");
  Exterior.CodPostal = Texto(Secao, "codPostal");
}

void TLeitorIniEvento::LerDependentesBeneficiario(TDependenteCollection& Dependentes,
                                                  std::string_view ChaveIncapacidade) const {
  LerLista("dependente", 2, "nmDep", [&](int, const std::string& Secao, const std::string& nmDep) {
    TDependenteCollectionItem& d = Dependentes.New();
    d.tpDep = CodigoEstrito(Secao, "tpDep", "", StrToTpDep);
    d.nmDep = nmDep;
    d.dtNascto = Data(Secao, "dtNascto");
    d.cpfDep = Texto(Secao, "cpfDep");
    d.sexoDep = Texto(Secao, "sexoDep");
    d.depIRRF = CodigoEstrito(Secao, "depIRRF", "", StrToSimNao);
    d.incFisMen() = CodigoEstrito(Secao, ChaveIncapacidade, "", StrToSimNao);
    d.descrDep = Texto(Secao, "descrDep");
  });
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

void LerTrabalhadorIni(const TLeitorIniEvento& ini, std::string_view Secao, TTrabalhador& Trabalhador) {
  TTrabalhador& t = Trabalhador;
  t.CpfTrab = ini.Texto(Secao, "cpfTrab");
  t.NisTrab = ini.Texto(Secao, "nisTrab");
  t.NmTrab = ini.Texto(Secao, "nmTrab");
  t.Sexo = ini.Texto(Secao, "sexo");
  t.RacaCor = ini.Inteiro(Secao, "racaCor", 1);
  // An absent state is not informed: the writer leaves out any value outside 1 to 5.
  t.EstCiv = ini.Inteiro(Secao, "estCiv");
  t.GrauInstr = ini.Texto(Secao, "grauInstr", "01");
  t.nmSoc = ini.Texto(Secao, "nmSoc");
  // True, False or a number; any other text keeps the flag as it is.
  t.ExtrangeiroSN = ini.Ini().ReadBool(Secao, "ExtrangeiroSN", t.ExtrangeiroSN);

  TNascimento& nascimento = t.Nascimento;
  nascimento.dtNascto = ini.Data("nascimento", "dtNascto");
  nascimento.codMunic = ini.Inteiro("nascimento", "codMunic");
  nascimento.UF = ini.Texto("nascimento", "uf", "SP");
  nascimento.PaisNascto = ini.Texto("nascimento", "paisNascto");
  nascimento.PaisNac = ini.Texto("nascimento", "paisNac");
  nascimento.NmMae = ini.Texto("nascimento", "nmMae");
  nascimento.NmPai = ini.Texto("nascimento", "nmPai");

  TDocumentos& documentos = t.Documentos;
  if (!ini.Texto("CTPS", "nrCtps").empty()) {
    documentos.CTPS.NrCtps = ini.Texto("CTPS", "nrCtps");
    documentos.CTPS.SerieCtps = ini.Texto("CTPS", "serieCtps");
    documentos.CTPS.UfCtps = ini.Texto("CTPS", "ufCtps", "SP");
  }
  if (!ini.Texto("RIC", "nrRic").empty()) {
    documentos.RIC.NrRic = ini.Texto("RIC", "nrRic");
    documentos.RIC.OrgaoEmissor = ini.Texto("RIC", "orgaoEmissor");
    documentos.RIC.DtExped = ini.Data("RIC", "dtExped");
  }
  if (!ini.Texto("RG", "nrRg").empty()) {
    documentos.RG.NrRg = ini.Texto("RG", "nrRg");
    documentos.RG.OrgaoEmissor = ini.Texto("RG", "orgaoEmissor");
    documentos.RG.DtExped = ini.Data("RG", "dtExped");
  }
  if (!ini.Texto("RNE", "nrRne").empty()) {
    documentos.RNE.NrRne = ini.Texto("RNE", "nrRne");
    documentos.RNE.OrgaoEmissor = ini.Texto("RNE", "orgaoEmissor");
    documentos.RNE.DtExped = ini.Data("RNE", "dtExped");
  }
  if (!ini.Texto("OC", "nrOc").empty()) {
    documentos.OC.NrOc = ini.Texto("OC", "nrOc");
    documentos.OC.OrgaoEmissor = ini.Texto("OC", "orgaoEmissor");
    documentos.OC.DtExped = ini.Data("OC", "dtExped");
    documentos.OC.DtValid = ini.Data("OC", "dtValid");
  }
  if (!ini.Texto("CNH", "nrRegCnh").empty()) {
    documentos.CNH.nrRegCnh = ini.Texto("CNH", "nrRegCnh");
    documentos.CNH.DtExped = ini.Data("CNH", "dtExped");
    documentos.CNH.ufCnh = ini.Texto("CNH", "ufCnh", "SP");
    documentos.CNH.DtValid = ini.Data("CNH", "dtValid");
    documentos.CNH.dtPriHab = ini.Data("CNH", "dtPriHab");
    documentos.CNH.categoriaCnh = ini.Codigo("CNH", "categoriaCnh", "A", StrToCnh);
  }

  if (TemLogradouro(ini, "enderecoBrasil")) {
    TBrasil& brasil = t.Endereco.Brasil;
    brasil.TpLograd = ini.Texto("enderecoBrasil", "tpLograd");
    brasil.DscLograd = ini.Texto("enderecoBrasil", "dscLograd");
    brasil.NrLograd = ini.Texto("enderecoBrasil", "nrLograd");
    brasil.Complemento = ini.Texto("enderecoBrasil", "complemento");
    brasil.Bairro = ini.Texto("enderecoBrasil", "bairro");
    brasil.Cep = ini.Texto("enderecoBrasil", "cep");
    brasil.CodMunic = ini.Inteiro("enderecoBrasil", "codMunic");
    brasil.UF = ini.Texto("enderecoBrasil", "uf", "SP");
  }
  if (!ini.Texto("enderecoExterior", "paisResid").empty()) {
    TExterior& exterior = t.Endereco.Exterior;
    exterior.PaisResid = ini.Texto("enderecoExterior", "paisResid");
    exterior.DscLograd = ini.Texto("enderecoExterior", "dscLograd");
    exterior.NrLograd = ini.Texto("enderecoExterior", "nrLograd");
    exterior.Complemento = ini.Texto("enderecoExterior", "complemento");
    exterior.Bairro = ini.Texto("enderecoExterior", "bairro");
    exterior.NmCid = ini.Texto("enderecoExterior", "nmCid");
    exterior.CodPostal = ini.Texto("enderecoExterior", "codPostal");
  }

  if (!ini.Texto("trabEstrangeiro", "dtChegada").empty()) {
    TTrabEstrangeiro& estrangeiro = t.TrabEstrangeiro;
    estrangeiro.DtChegada = ini.Data("trabEstrangeiro", "dtChegada");
    estrangeiro.ClassTrabEstrang = ini.Codigo("trabEstrangeiro", "classTrabEstrang", "1", StrToClassTrabEstrang);
    estrangeiro.CasadoBr = ini.Texto("trabEstrangeiro", "casadoBr", "S");
    estrangeiro.FilhosBr = ini.Texto("trabEstrangeiro", "filhosBr", "S");
  }
  if (ini.Texto("trabImig", "condIng", "0") != "0") {
    t.trabImig.tmpResid = ini.Codigo("trabImig", "tmpResid", "0", StrToTmpResid);
    t.trabImig.condIng = ini.Codigo("trabImig", "condIng", "0", StrToCondIng);
  }
  // Every flag defaults to "N": a section that names another deficiency than the physical one
  // is read too.
  if (ini.SecaoExiste("infoDeficiencia")) {
    TInfoDeficiencia& deficiencia = t.InfoDeficiencia;
    deficiencia.DefFisica = ini.Codigo("infoDeficiencia", "defFisica", "N", StrToSimNao);
    deficiencia.DefVisual = ini.Codigo("infoDeficiencia", "defVisual", "N", StrToSimNao);
    deficiencia.DefAuditiva = ini.Codigo("infoDeficiencia", "defAuditiva", "N", StrToSimNao);
    deficiencia.DefMental = ini.Codigo("infoDeficiencia", "defMental", "N", StrToSimNao);
    deficiencia.DefIntelectual = ini.Codigo("infoDeficiencia", "defIntelectual", "N", StrToSimNao);
    deficiencia.ReabReadap = ini.Codigo("infoDeficiencia", "reabReadap", "N", StrToSimNao);
    deficiencia.infoCota = ini.Codigo("infoDeficiencia", "infoCota", "", StrToSimNaoFacultativo);
    deficiencia.Observacao = ini.Texto("infoDeficiencia", "observacao");
  }
  ini.LerLista("dependente", 2, "nmDep", [&](int, const std::string& secao, const std::string& nmDep) {
    TDependenteCollectionItem& dependente = t.Dependente.New();
    dependente.tpDep = ini.Codigo(secao, "tpDep", "", StrToTpDep);
    dependente.nmDep = nmDep;
    dependente.dtNascto = ini.Data(secao, "dtNascto");
    dependente.cpfDep = ini.Texto(secao, "cpfDep");
    dependente.sexoDep = ini.Texto(secao, "sexoDep");
    dependente.depIRRF = ini.Codigo(secao, "depIRRF", "S", StrToSimNao);
    dependente.depSF = ini.Codigo(secao, "depSF", "S", StrToSimNao);
    dependente.incTrab() = ini.Codigo(secao, "incTrab", "S", StrToSimNao);
    dependente.descrDep = ini.Texto(secao, "descrDep");
  });
  if (!ini.Texto("aposentadoria", "trabAposent").empty())
    t.Aposentadoria.TrabAposent = ini.Codigo("aposentadoria", "trabAposent", "S", StrToSimNao);
  // The layout makes both optional: a contact with only an e-mail is a contact too.
  if (!ini.Texto("contato", "fonePrinc").empty() || !ini.Texto("contato", "emailPrinc").empty()) {
    t.Contato.FonePrinc = ini.Texto("contato", "fonePrinc");
    t.Contato.FoneAlternat = ini.Texto("contato", "foneAlternat");
    t.Contato.EmailPrinc = ini.Texto("contato", "emailPrinc");
    t.Contato.EmailAlternat = ini.Texto("contato", "emailAlternat");
  }
}

bool TemLogradouro(const TLeitorIniEvento& ini, std::string_view Secao) {
  return !ini.Texto(Secao, "tpLograd").empty() || !ini.Texto(Secao, "dscLograd").empty();
}

bool TemInscricao(const TLeitorIniEvento& ini, std::string_view Secao) {
  return !ini.Texto(Secao, "tpInsc").empty() || !ini.Texto(Secao, "nrInsc").empty();
}

void LerLocalDomestico(const TLeitorIniEvento& ini, std::string_view Secao, TLocalTrabDom& Local) {
  Local.TpLograd = ini.Texto(Secao, "tpLograd");
  Local.DscLograd = ini.Texto(Secao, "dscLograd");
  Local.NrLograd = ini.Texto(Secao, "nrLograd");
  Local.Complemento = ini.Texto(Secao, "complemento");
  Local.Bairro = ini.Texto(Secao, "bairro");
  Local.Cep = ini.Texto(Secao, "cep");
  Local.CodMunic = ini.Inteiro(Secao, "CodMunic");
  Local.Uf = ini.Texto(Secao, "uf", "SP");
}

void LerAprendIni(const TLeitorIniEvento& ini, const TeSocialEvento& Evento, TAprend& Aprend) {
  // From S-1.02 on the kind of contract tells which part identifies it: the qualifying
  // entity (direct, "1") or the establishment (indirect).
  const TVersaoeSocial versao = Evento.Configuracoes().Geral->VersaoDF();
  bool lerAprend = !ini.Texto("aprend", "tpInsc").empty();
  if (versao >= veS01_02_00) {
    const bool direta = ini.Texto("aprend", "indAprend", "1") == "1";
    lerAprend = direta ? !ini.Texto("aprend", "cnpjEntQual").empty() : lerAprend;
  }
  if (lerAprend) {
    Aprend.indAprend = ini.Codigo("aprend", "indAprend", "1", StrToIndAprend);
    Aprend.cnpjEntQual = ini.Texto("aprend", "cnpjEntQual");
    Aprend.TpInsc = ini.Codigo("aprend", "tpInsc", "1", StrToTpInsc);
    Aprend.NrInsc = ini.Texto("aprend", "nrInsc");
    Aprend.cnpjPrat = ini.Texto("aprend", "cnpjPrat");
  }
}

void LerInfoContratoIni(const TLeitorIniEvento& ini, TInfoContrato& Contrato) {
  Contrato.CodCargo = ini.Texto("infoContrato", "codCargo");
  Contrato.CodFuncao = ini.Texto("infoContrato", "codFuncao");
  Contrato.CodCateg = ini.Inteiro("infoContrato", "codCateg");
  Contrato.codCarreira = ini.Texto("infoContrato", "codCarreira");
  Contrato.dtIngrCarr = ini.Data("infoContrato", "dtIngrCarr");
  Contrato.nmCargo = ini.Texto("infoContrato", "nmCargo");
  Contrato.CBOCargo = ini.Texto("infoContrato", "CBOCargo");
  Contrato.dtIngrCargo = ini.Data("infoContrato", "dtIngrCargo");
  Contrato.nmFuncao = ini.Texto("infoContrato", "nmFuncao");
  Contrato.CBOFuncao = ini.Texto("infoContrato", "CBOFuncao");
  Contrato.acumCargo = ini.Codigo("infoContrato", "acumCargo", "", StrToSimNaoFacultativo);
  Contrato.Remuneracao.VrSalFx = ini.Decimal("remuneracao", "vrSalFx");
  Contrato.Remuneracao.UndSalFixo = ini.Codigo("remuneracao", "undSalFixo", "", StrToUndSalFixo);
  Contrato.Remuneracao.DscSalVar = ini.Texto("remuneracao", "dscSalVar");
  TLocalTrabalho& local = Contrato.LocalTrabalho;
  if (TemInscricao(ini, "localTrabGeral")) {
    local.LocalTrabGeral.TpInsc = ini.Codigo("localTrabGeral", "tpInsc", "1", StrToTpInsc);
    local.LocalTrabGeral.NrInsc = ini.Texto("localTrabGeral", "nrInsc");
    local.LocalTrabGeral.DescComp = ini.Texto("localTrabGeral", "descComp");
  }
  if (TemLogradouro(ini, "localTrabDom")) LerLocalDomestico(ini, "localTrabDom", local.LocalTrabDom);
  if (TemLogradouro(ini, "localTempDom")) LerLocalDomestico(ini, "localTempDom", local.LocalTempDom);
  THorContratual& horario = Contrato.HorContratual;
  // Either key makes the journey: weekly hours given without the kind are not dropped.
  if (!ini.Texto("horContratual", "tpJornada").empty() || !ini.Texto("horContratual", "qtdHrsSem").empty()) {
    horario.qtdHrsSem = ini.Decimal("horContratual", "qtdHrsSem");
    horario.tpJornada = ini.Codigo("horContratual", "tpJornada", "1", StrToTpJornada);
    horario.dscTpJorn = ini.Texto("horContratual", "dscTpJorn");
    horario.dscJorn = ini.Texto("horContratual", "dscJorn");
    horario.tmpParc = ini.Codigo("horContratual", "tmpParc", "0", StrToTmpParc);
    horario.horNoturno = ini.Codigo("horContratual", "horNoturno", "S", StrToSimNao);
  }
  ini.LerLista("horario", 2, "dia", [&](int, const std::string& secao, const std::string& dia) {
    THorarioCollectionItem& item = horario.horario.New();
    bool ok = false;
    item.Dia = StrToTpDia(ok, dia);
    item.CodHorContrat = ini.Texto(secao, "codHorContrat");
  });
  ini.LerLista("filiacaoSindical", 1, "cnpjSindTrab", [&](int, const std::string&, const std::string& cnpj) {
    Contrato.FiliacaoSindical.Add().CnpjSindTrab = cnpj;
  });
  if (!ini.Texto("alvaraJudicial", "nrProcJud").empty())
    Contrato.AlvaraJudicial.NrProcJud = ini.Texto("alvaraJudicial", "nrProcJud");
  ini.LerLista("observacoes", 2, "observacao", [&](int, const std::string&, const std::string& observacao) {
    Contrato.observacoes.New().observacao = observacao;
  });
  // A code that is not a whole number raises the conversion error, before anything is written.
  ini.LerLista("treiCap", 2, "codTreiCap", [&](int, const std::string&, const std::string& codigo) {
    Contrato.treiCap().New().codTreiCap = platform::Variant(codigo).AsInteger();
  });
}

void LerComplementaresSemVinculoIni(const TLeitorIniEvento& ini, TcargoFuncao& CargoFuncao, TRemuneracao& Remuneracao,
                                    TinfoEstagiario& Estagiario, TLocalTrabGeral& LocalTrabGeral) {
  CargoFuncao.codCargo = ini.Texto("cargoFuncao", "codCargo");
  CargoFuncao.codFuncao = ini.Texto("cargoFuncao", "codFuncao");
  CargoFuncao.nmCargo = ini.Texto("cargoFuncao", "nmCargo");
  CargoFuncao.CBOCargo = ini.Texto("cargoFuncao", "CBOCargo");
  CargoFuncao.nmFuncao = ini.Texto("cargoFuncao", "nmFuncao");
  CargoFuncao.CBOFuncao = ini.Texto("cargoFuncao", "CBOFuncao");
  if (ini.AlgumaChave("remuneracao", {"vrSalFx", "undSalFixo", "dscSalVar"})) {
    Remuneracao.VrSalFx = ini.DecimalEstrito("remuneracao", "vrSalFx");
    Remuneracao.UndSalFixo = ini.CodigoEstrito("remuneracao", "undSalFixo", "", StrToUndSalFixo);
    Remuneracao.DscSalVar = ini.Texto("remuneracao", "dscSalVar");
  }
  if (ini.AlgumaChave("infoEstagiario",
                      {"natEstagio", "nivEstagio", "areaAtuacao", "nrApol", "vlrBolsa", "dtPrevTerm"})) {
    Estagiario.natEstagio = ini.CodigoEstrito("infoEstagiario", "natEstagio", "", StrToNatEstagio);
    Estagiario.nivEstagio = ini.CodigoEstrito("infoEstagiario", "nivEstagio", "", StrToNivelEstagio);
    Estagiario.areaAtuacao = ini.Texto("infoEstagiario", "areaAtuacao");
    Estagiario.nrApol = ini.Texto("infoEstagiario", "nrApol");
    Estagiario.vlrBolsa = ini.DecimalEstrito("infoEstagiario", "vlrBolsa");
    Estagiario.dtPrevTerm = ini.Data("infoEstagiario", "dtPrevTerm");
    TinstEnsino& escola = Estagiario.instEnsino;
    escola.cnpjInstEnsino = ini.Texto("instEnsino", "cnpjInstEnsino");
    escola.nmRazao = ini.Texto("instEnsino", "nmRazao");
    escola.dscLograd = ini.Texto("instEnsino", "dscLograd");
    escola.nrLograd = ini.Texto("instEnsino", "nrLograd");
    escola.bairro = ini.Texto("instEnsino", "bairro");
    escola.Cep = ini.Texto("instEnsino", "cep");
    escola.codMunic = ini.InteiroExato<int>("instEnsino", "codMunic");
    escola.Uf = ini.Texto("instEnsino", "uf");
    TageIntegracao& agente = Estagiario.ageIntegracao;
    agente.cnpjAgntInteg = ini.Texto("ageIntegracao", "cnpjAgntInteg");
    agente.nmRazao = ini.Texto("ageIntegracao", "nmRazao");
    agente.dscLograd = ini.Texto("ageIntegracao", "dscLograd");
    agente.nrLograd = ini.Texto("ageIntegracao", "nrLograd");
    agente.bairro = ini.Texto("ageIntegracao", "bairro");
    agente.Cep = ini.Texto("ageIntegracao", "cep");
    agente.codMunic = ini.InteiroExato<int>("ageIntegracao", "codMunic");
    agente.Uf = ini.Texto("ageIntegracao", "uf");
    Estagiario.supervisorEstagio.cpfSupervisor = ini.Texto("supervisorEstagio", "cpfSupervisor");
    Estagiario.supervisorEstagio.nmSuperv = ini.Texto("supervisorEstagio", "nmSuperv");
  }
  if (TemInscricao(ini, "localTrabGeral")) {
    LocalTrabGeral.TpInsc = ini.CodigoEstrito("localTrabGeral", "tpInsc", "1", StrToTpInsc);
    LocalTrabGeral.NrInsc = ini.Texto("localTrabGeral", "nrInsc");
    LocalTrabGeral.DescComp = ini.Texto("localTrabGeral", "descComp");
  }
}

}  // namespace esocial
