#pragma once
// Enumerations shared by the whole DFe layer: the field formats of the XML writer and
// reader, environment, emission type, the fiscal-document event types and the states.
#include <array>
#include <string>
#include <string_view>

namespace dfe {

// Field formats. The order is part of the contract (ordinals are stored and compared).
enum TpcnTipoCampo : int {
  tcStr,
  tcInt,
  tcDat,
  tcDatHor,
  tcEsp,
  tcDe2,
  tcDe3,
  tcDe4,
  tcDe5,
  tcDe6,
  tcDe7,
  tcDe8,
  tcDe10,
  tcHor,
  tcDatCFe,
  tcHorCFe,
  tcDatVcto,
  tcDatHorCFe,
  tcBoolStr,
  tcStrOrig,
  tcNumStr,
  tcInt64,
  tcDe1,
  tcDatBol
};
inline constexpr int kTiposCampo = tcDatBol + 1;

enum TpcnTipoEmissao : int { teNormal, teContingencia, teSCAN, teDPEC, teFSDA, teSVCAN, teSVCRS, teSVCSP, teOffLine };

enum TpcnTipoAmbiente : int { taProducao, taHomologacao };

// Event types of fiscal documents; used to name download folders.
enum TpcnTpEvento : int {
  teNaoMapeado,
  teCCe,
  teCancelamento,
  teManifDestConfirmacao,
  teManifDestCiencia,
  teManifDestDesconhecimento,
  teManifDestOperNaoRealizada,
  teEncerramento,
  teEPEC,
  teInclusaoCondutor,
  teMultiModal,
  teRegistroPassagem,
  teRegistroPassagemBRId,
  teEPECNFe,
  teRegistroCTe,
  teRegistroPassagemNFeCancelado,
  teRegistroPassagemNFeRFID,
  teCTeCancelado,
  teMDFeCancelado,
  teVistoriaSuframa,
  tePedProrrog1,
  tePedProrrog2,
  teCanPedProrrog1,
  teCanPedProrrog2,
  teEventoFiscoPP1,
  teEventoFiscoPP2,
  teEventoFiscoCPP1,
  teEventoFiscoCPP2,
  teRegistroPassagemNFe,
  teConfInternalizacao,
  teCTeAutorizado,
  teMDFeAutorizado,
  tePrestDesacordo,
  teGTV,
  teMDFeAutorizado2,
  teNaoEmbarque,
  teMDFeCancelado2,
  teMDFeAutorizadoComCTe,
  teRegPasNfeProMDFe,
  teRegPasNfeProMDFeCte,
  teRegPasAutMDFeComCte,
  teCancelamentoMDFeAutComCTe,
  teAverbacaoExportacao,
  teAutCteComplementar,
  teCancCteComplementar,
  teCTeSubstituicao,
  teCTeAnulacao,
  teLiberacaoEPEC,
  teLiberacaoPrazoCanc,
  teAutorizadoRedespacho,
  teautorizadoRedespIntermed,
  teAutorizadoSubcontratacao,
  teautorizadoServMultimodal,
  teCancSubst,
  teAlteracaoPoltrona,
  teComprEntrega,
  teCancComprEntrega,
  teInclusaoDFe,
  teAutorizadoSubstituicao,
  teAutorizadoAjuste,
  teLiberacaoPrazoCancelado,
  tePagamentoOperacao,
  teExcessoBagagem,
  teEncerramentoFisco,
  teComprEntregaNFe,
  teCancComprEntregaNFe,
  teAtorInteressadoNFe,
  teComprEntregaCTe,
  teCancComprEntregaCTe,
  teConfirmaServMDFe,
  teAlteracaoPagtoServMDFe,
  teCancPrestDesacordo,
  teInsucessoEntregaCTe,
  teCancInsucessoEntregaCTe,
  teInsucessoEntregaNFe,
  teCancInsucessoEntregaNFe,
  teConcFinanceira,
  teCancConcFinanceira,
  teRegistroPassagemMDFe
};
inline constexpr int kTiposEventoDFe = teRegistroPassagemMDFe + 1;

std::string TipoEmissaoToStr(TpcnTipoEmissao t);
std::string TipoAmbienteToStr(TpcnTipoAmbiente t);
TpcnTipoAmbiente StrToTipoAmbiente(bool& ok, std::string_view s);
// The event type's name, or the empty text for the types that have none.
std::string TipoEventoDFeToStr(TpcnTpEvento t);

// Number of decimals of a decimal field format; 0 for the other formats.
int CasasDecimais(TpcnTipoCampo t);

// A date or time field format: the pattern its fields are written and read with, and whether
// it holds a time of day only (empty at midnight) or a date (empty on day zero).
struct TFormatoDataHora {
  TpcnTipoCampo Tipo;
  std::string_view Formato;
  bool SomenteHora;
};
// The row of a date or time format; null for the other formats.
const TFormatoDataHora* FormatoDataHora(TpcnTipoCampo t);

// A Brazilian federative unit: its abbreviation and its numeric code.
struct TLinhaUF {
  std::string_view Sigla;
  int Codigo;
};
inline constexpr TLinhaUF TabelaUF[] = {
    {"AC", 12}, {"AL", 27}, {"AP", 16}, {"AM", 13}, {"BA", 29}, {"CE", 23}, {"DF", 53}, {"ES", 32}, {"GO", 52},
    {"MA", 21}, {"MT", 51}, {"MS", 50}, {"MG", 31}, {"PA", 15}, {"PB", 25}, {"PR", 41}, {"PE", 26}, {"PI", 22},
    {"RJ", 33}, {"RN", 24}, {"RS", 43}, {"RO", 11}, {"RR", 14}, {"SC", 42}, {"SP", 35}, {"SE", 28}, {"TO", 17}};
// The abbreviations and the codes of the table, each in table order.
inline constexpr auto SiglasUF = [] {
  std::array<std::string_view, std::size(TabelaUF)> a{};
  for (std::size_t i = 0; i < a.size(); ++i) a[i] = TabelaUF[i].Sigla;
  return a;
}();
inline constexpr auto CodigosUF = [] {
  std::array<int, std::size(TabelaUF)> a{};
  for (std::size_t i = 0; i < a.size(); ++i) a[i] = TabelaUF[i].Codigo;
  return a;
}();
// Code of the first unit whose abbreviation equals `sigla` exactly; false when none does.
bool CodigoDaSiglaUF(std::string_view sigla, int& codigo);

}  // namespace dfe
