#include "dfe/field_conversions.h"

#include "dfe/enum_tables.h"

namespace dfe {

namespace {

constexpr std::string_view kCodigos1a9[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9"};
constexpr int kEmissoes[] = {teNormal, teContingencia, teSCAN, teDPEC, teFSDA, teSVCAN, teSVCRS, teSVCSP, teOffLine};
constexpr int kAmbientes[] = {taProducao, taHomologacao};

struct TLinhaEventoDFe {
  TpcnTpEvento Tipo;
  std::string_view Nome;
};

// Types missing here have no name.
constexpr TLinhaEventoDFe kEventosDFe[] = {
    {teNaoMapeado, "NaoMapeado"},
    {teCCe, "CCe"},
    {teCancelamento, "Cancelamento"},
    {teManifDestConfirmacao, "ManifDestConfirmacao"},
    {teManifDestCiencia, "ManifDestCiencia"},
    {teManifDestDesconhecimento, "ManifDestDesconhecimento"},
    {teManifDestOperNaoRealizada, "ManifDestOperNaoRealizada"},
    {teEncerramento, "Encerramento"},
    {teEPEC, "EPEC"},
    {teInclusaoCondutor, "InclusaoCondutor"},
    {teMultiModal, "MultiModal"},
    {teRegistroPassagem, "RegistroPassagem"},
    {teRegistroPassagemBRId, "RegistroPassagemBRId"},
    {teEPECNFe, "EPECNFe"},
    {teRegistroCTe, "RegistroCTe"},
    {teRegistroPassagemNFeCancelado, "RegistroPassagemNFeCancelado"},
    {teRegistroPassagemNFeRFID, "RegistroPassagemNFeRFID"},
    {teCTeCancelado, "CTeCancelado"},
    {teMDFeCancelado, "MDFeCancelado"},
    {teVistoriaSuframa, "VistoriaSuframa"},
    {tePedProrrog1, "PedProrrog1"},
    {tePedProrrog2, "PedProrrog2"},
    {teCanPedProrrog1, "CanPedProrrog1"},
    {teCanPedProrrog2, "CanPedProrrog2"},
    {teEventoFiscoPP1, "EventoFiscoPP1"},
    {teEventoFiscoPP2, "EventoFiscoPP2"},
    {teEventoFiscoCPP1, "EventoFiscoCPP1"},
    {teEventoFiscoCPP2, "EventoFiscoCPP2"},
    {teRegistroPassagemNFe, "RegistroPassagemNFe"},
    {teConfInternalizacao, "ConfInternalizacao"},
    {teCTeAutorizado, "CTeAutorizado"},
    {teMDFeAutorizado, "MDFeAutorizado"},
    {tePrestDesacordo, "PrestDesacordo"},
    {teGTV, "GTV"},
    {teMDFeAutorizado2, "MDFeAutorizado2"},
    {teNaoEmbarque, "NaoEmbarque"},
    {teMDFeCancelado2, "MDFeCancelado2"},
    {teMDFeAutorizadoComCTe, "MDFeAutorizadoComCTe"},
    {teRegPasNfeProMDFe, "RegPasNfeProMDFe"},
    {teRegPasNfeProMDFeCte, "RegPasNfeProMDFeCte"},
    {teRegPasAutMDFeComCte, "RegPasAutMDFeComCte"},
    {teCancelamentoMDFeAutComCTe, "CancelamentoMDFeAutComCTe"},
    {teAverbacaoExportacao, "AverbacaoExportacao"},
    {teAutCteComplementar, "AutCteComplementar"},
    {teCancCteComplementar, "CancCteComplementar"},
    {teCTeSubstituicao, "CTeSubstituicao"},
    {teCTeAnulacao, "CTeAnulacao"},
    {teLiberacaoEPEC, "LiberacaoEPEC"},
    {teLiberacaoPrazoCanc, "LiberacaoPrazoCanc"},
    {teAutorizadoRedespacho, "AutorizadoRedespacho"},
    {teautorizadoRedespIntermed, "AutorizadoRedespIntermed"},
    {teAutorizadoSubcontratacao, "AutorizadoSubcontratacao"},
    {teautorizadoServMultimodal, "AutorizadoServMultimodal"},
    {teCancSubst, "CancelamentoPorSubstituicao"},
    {teAlteracaoPoltrona, "AlteracaoPoltrona"},
    {teExcessoBagagem, "ExcessoBagagem"},
    {teEncerramentoFisco, "EncerramentoFisco"},
    {teComprEntregaNFe, "ComprEntregaNFe"},
    {teCancComprEntregaNFe, "CancComprEntregaNFe"},
    {teAtorInteressadoNFe, "AtorInteressadoNFe"},
    {teComprEntregaCTe, "ComprEntregaCTe"},
    {teCancComprEntregaCTe, "CancComprEntregaCTe"},
    {teCancPrestDesacordo, "CancPrestDesacordo"},
    {teInsucessoEntregaCTe, "InsucessoEntregaCTe"},
    {teCancInsucessoEntregaCTe, "CancInsucessoEntregaCTe"},
    {teConcFinanceira, "ConcFinanceira"},
    {teCancConcFinanceira, "CancConcFinanceira"},
    {teRegistroPassagemMDFe, "RegistroPassagemMDFe"},
};
constexpr std::size_t kEventosDFeRows = std::size(kEventosDFe);
static_assert(kEventosDFeRows == 68);

constexpr auto kEventoNomes = [] {
  std::array<std::string_view, kEventosDFeRows> a{};
  for (std::size_t i = 0; i < kEventosDFeRows; ++i) a[i] = kEventosDFe[i].Nome;
  return a;
}();
constexpr auto kEventoValores = [] {
  std::array<int, kEventosDFeRows> a{};
  for (std::size_t i = 0; i < kEventosDFeRows; ++i) a[i] = kEventosDFe[i].Tipo;
  return a;
}();

constexpr TFormatoDataHora kFormatosDataHora[] = {
    {tcDat, "yyyy-mm-dd", false},
    {tcDatCFe, "yyyymmdd", false},
    {tcDatVcto, "dd/mm/yyyy", false},
    {tcDatBol, "ddmmyyyy", false},
    {tcDatHor, "yyyy-mm-dd\"T\"hh:nn:ss", false},
    {tcDatHorCFe, "yyyymmddhhnnss", false},
    {tcHor, "hh:nn:ss", true},
    {tcHorCFe, "hhnnss", true},
};

}  // namespace

std::string TipoEmissaoToStr(TpcnTipoEmissao t) { return EnumToStr(t, kCodigos1a9, kEmissoes); }

std::string TipoAmbienteToStr(TpcnTipoAmbiente t) { return EnumToStr(t, CodeList(kCodigos1a9).first(2), kAmbientes); }

TpcnTipoAmbiente StrToTipoAmbiente(bool& ok, std::string_view s) {
  return StrToEnum<TpcnTipoAmbiente>(ok, s, CodeList(kCodigos1a9).first(2), kAmbientes);
}

std::string TipoEventoDFeToStr(TpcnTpEvento t) { return EnumToStr(t, kEventoNomes, kEventoValores); }

int CasasDecimais(TpcnTipoCampo t) {
  switch (t) {
    case tcDe1:
      return 1;
    case tcDe2:
      return 2;
    case tcDe3:
      return 3;
    case tcDe4:
      return 4;
    case tcDe5:
      return 5;
    case tcDe6:
      return 6;
    case tcDe7:
      return 7;
    case tcDe8:
      return 8;
    case tcDe10:
      return 10;
    default:
      return 0;
  }
}

const TFormatoDataHora* FormatoDataHora(TpcnTipoCampo t) {
  for (const auto& f : kFormatosDataHora)
    if (f.Tipo == t) return &f;
  return nullptr;
}

bool CodigoDaSiglaUF(std::string_view sigla, int& codigo) {
  for (const auto& uf : TabelaUF) {
    if (uf.Sigla == sigla) {
      codigo = uf.Codigo;
      return true;
    }
  }
  return false;
}

}  // namespace dfe
