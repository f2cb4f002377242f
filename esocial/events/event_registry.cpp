#include "esocial/events/event_registry.h"

#include <memory>

#include "esocial/event_groups.h"
#include "esocial/events/non_periodic/s2190_preliminary_admission.h"
#include "esocial/events/non_periodic/s2200_admission.h"
#include "esocial/events/non_periodic/s2205_registration_change.h"
#include "esocial/events/non_periodic/s2206_contract_change.h"
#include "esocial/events/non_periodic/s2210_work_accident.h"
#include "esocial/events/non_periodic/s2220_health_monitoring.h"
#include "esocial/events/non_periodic/s2221_toxicological_exam.h"
#include "esocial/events/non_periodic/s2230_temporary_leave.h"
#include "esocial/events/non_periodic/s2231_worker_cession.h"
#include "esocial/events/non_periodic/s2240_exposure_to_risk.h"
#include "esocial/events/non_periodic/s2245_training.h"
#include "esocial/events/non_periodic/s2250_prior_notice.h"
#include "esocial/events/non_periodic/s2260_intermittent_work_call.h"
#include "esocial/events/non_periodic/s2298_reinstatement.h"
#include "esocial/events/non_periodic/s2299_termination.h"
#include "esocial/events/non_periodic/s2300_non_employee_start.h"
#include "esocial/events/non_periodic/s2306_non_employee_contract_change.h"
#include "esocial/events/non_periodic/s2399_non_employee_termination.h"
#include "esocial/events/non_periodic/s2400_beneficiary_registration.h"
#include "esocial/events/non_periodic/s2405_beneficiary_change.h"
#include "esocial/events/non_periodic/s2410_benefit_start.h"
#include "esocial/events/non_periodic/s2416_benefit_change.h"
#include "esocial/events/non_periodic/s2418_benefit_reactivation.h"
#include "esocial/events/non_periodic/s2420_benefit_termination.h"
#include "esocial/events/non_periodic/s2500_labour_process.h"
#include "esocial/events/non_periodic/s2501_labour_process_taxes.h"
#include "esocial/events/non_periodic/s2555_labour_process_consolidation.h"
#include "esocial/events/non_periodic/s3000_event_exclusion.h"
#include "esocial/events/non_periodic/s3500_labour_process_exclusion.h"
#include "esocial/events/tables_periodic/s1000_employer_information.h"
#include "esocial/events/tables_periodic/s1005_establishment_table.h"
#include "esocial/events/tables_periodic/s1010_payroll_item_table.h"
#include "esocial/events/tables_periodic/s1020_tax_allocation_table.h"
#include "esocial/events/tables_periodic/s1030_job_position_table.h"
#include "esocial/events/tables_periodic/s1035_career_table.h"
#include "esocial/events/tables_periodic/s1040_function_table.h"
#include "esocial/events/tables_periodic/s1050_working_hours_table.h"
#include "esocial/events/tables_periodic/s1060_work_environment_table.h"
#include "esocial/events/tables_periodic/s1070_process_table.h"
#include "esocial/events/tables_periodic/s1080_port_operator_table.h"
#include "esocial/events/tables_periodic/s1200_worker_remuneration.h"
#include "esocial/events/tables_periodic/s1202_own_pension_remuneration.h"
#include "esocial/events/tables_periodic/s1207_own_pension_benefits.h"
#include "esocial/events/tables_periodic/s1210_work_income_payments.h"
#include "esocial/events/tables_periodic/s1220_income_tax_deductions.h"
#include "esocial/events/tables_periodic/s1250_rural_production_acquisition.h"
#include "esocial/events/tables_periodic/s1260_rural_production_sale.h"
#include "esocial/events/tables_periodic/s1270_casual_workers_hiring.h"
#include "esocial/events/tables_periodic/s1280_complementary_periodic_information.h"
#include "esocial/events/tables_periodic/s1295_contingency_totalisation.h"
#include "esocial/events/tables_periodic/s1298_periodic_reopening.h"
#include "esocial/events/tables_periodic/s1299_periodic_closing.h"
#include "esocial/events/tables_periodic/s1300_union_contribution.h"

namespace esocial {

namespace {

template <class TLista>
std::unique_ptr<TeSocialCollection> CriarLista(dfe::TTrivoComponent* ATrivoeSocial) {
  return std::make_unique<TLista>(ATrivoeSocial);
}

template <class TLista>
bool LerXMLDe(TeSocialEvento& Evento) {
  return static_cast<typename TLista::TEventoDaLista&>(Evento).LerXML();
}

template <class TLista>
constexpr TRegistroEvento Linha(TTipoGrupo Grupo, std::string_view Elemento, TeSocialSchema Schema) {
  return {TLista::TipoDaLista, Grupo, Elemento, Schema, &CriarLista<TLista>, nullptr};
}

// Loading also reads the document into the event's fields.
template <class TLista>
constexpr TRegistroEvento LinhaComLerXML(TTipoGrupo Grupo, std::string_view Elemento, TeSocialSchema Schema) {
  return {TLista::TipoDaLista, Grupo, Elemento, Schema, &CriarLista<TLista>, &LerXMLDe<TLista>};
}

// clang-format off
constexpr TRegistroEvento kRegistro[] = {
    Linha<TS1000Collection>(TTipoGrupo::Iniciais, "evtInfoEmpregador", schevtInfoEmpregador),
    Linha<TS1005Collection>(TTipoGrupo::Iniciais, "evtTabEstab", schevtTabEstab),
    LinhaComLerXML<TS1010Collection>(TTipoGrupo::Tabelas, "evtTabRubrica", schevtTabRubrica),
    Linha<TS1020Collection>(TTipoGrupo::Tabelas, "evtTabLotacao", schevtTabLotacao),
    Linha<TS1030Collection>(TTipoGrupo::Tabelas, "evtTabCargo", schevtTabCargo),
    Linha<TS1035Collection>(TTipoGrupo::Tabelas, "evtTabCarreira", schevtTabCarreira),
    Linha<TS1040Collection>(TTipoGrupo::Tabelas, "evtTabFuncao", schevtTabFuncao),
    Linha<TS1050Collection>(TTipoGrupo::Tabelas, "evtTabHorTur", schevtTabHorTur),
    LinhaComLerXML<TS1060Collection>(TTipoGrupo::Tabelas, "evtTabAmbiente", schevtTabAmbiente),
    Linha<TS1070Collection>(TTipoGrupo::Tabelas, "evtTabProcesso", schevtTabProcesso),
    Linha<TS1080Collection>(TTipoGrupo::Tabelas, "evtTabOperPort", schevtTabOperPort),
    Linha<TS2190Collection>(TTipoGrupo::NaoPeriodicos, "evtAdmPrelim", schevtAdmPrelim),
    LinhaComLerXML<TS2200Collection>(TTipoGrupo::NaoPeriodicos, "evtAdmissao", schevtAdmissao),
    Linha<TS2205Collection>(TTipoGrupo::NaoPeriodicos, "evtAltCadastral", schevtAltCadastral),
    Linha<TS2206Collection>(TTipoGrupo::NaoPeriodicos, "evtAltContratual", schevtAltContratual),
    LinhaComLerXML<TS2210Collection>(TTipoGrupo::NaoPeriodicos, "evtCAT", schevtCAT),
    LinhaComLerXML<TS2220Collection>(TTipoGrupo::NaoPeriodicos, "evtMonit", schevtMonit),
    Linha<TS2221Collection>(TTipoGrupo::NaoPeriodicos, "evtToxic", schEvtToxic),
    Linha<TS2230Collection>(TTipoGrupo::NaoPeriodicos, "evtAfastTemp", schevtAfastTemp),
    Linha<TS2231Collection>(TTipoGrupo::NaoPeriodicos, "evtCessao", schevtCessao),
    LinhaComLerXML<TS2240Collection>(TTipoGrupo::NaoPeriodicos, "evtExpRisco", schevtExpRisco),
    Linha<TS2245Collection>(TTipoGrupo::NaoPeriodicos, "evtTreiCap", schEvtTreiCap),
    Linha<TS2250Collection>(TTipoGrupo::NaoPeriodicos, "evtAvPrevio", schevtAvPrevio),
    Linha<TS2260Collection>(TTipoGrupo::NaoPeriodicos, "evtConvInterm", schevtConvInterm),
    Linha<TS2298Collection>(TTipoGrupo::NaoPeriodicos, "evtReintegr", schevtReintegr),
    Linha<TS2299Collection>(TTipoGrupo::NaoPeriodicos, "evtDeslig", schevtDeslig),
    Linha<TS2300Collection>(TTipoGrupo::NaoPeriodicos, "evtTSVInicio", schevtTSVInicio),
    Linha<TS2306Collection>(TTipoGrupo::NaoPeriodicos, "evtTSVAltContr", schevtTSVAltContr),
    Linha<TS2399Collection>(TTipoGrupo::NaoPeriodicos, "evtTSVTermino", schevtTSVTermino),
    Linha<TS2400Collection>(TTipoGrupo::NaoPeriodicos, "evtCdBenefIn", schevtCdBenefIn),
    Linha<TS2405Collection>(TTipoGrupo::NaoPeriodicos, "evtCdBenefAlt", schevtCdBenefAlt),
    Linha<TS2410Collection>(TTipoGrupo::NaoPeriodicos, "evtCdBenIn", schevtCdBenIn),
    Linha<TS2416Collection>(TTipoGrupo::NaoPeriodicos, "evtCdBenAlt", schevtCdBenAlt),
    Linha<TS2418Collection>(TTipoGrupo::NaoPeriodicos, "evtReativBen", schevtReativBen),
    Linha<TS2420Collection>(TTipoGrupo::NaoPeriodicos, "evtCdBenTerm", schevtCdBenTerm),
    Linha<TS2500Collection>(TTipoGrupo::NaoPeriodicos, "evtProcTrab", schevtProcTrab),
    Linha<TS2501Collection>(TTipoGrupo::NaoPeriodicos, "evtContProc", schevtContProc),
    Linha<TS2555Collection>(TTipoGrupo::NaoPeriodicos, "evtConsolidContProc", schEvtConsolidContProc),
    Linha<TS3000Collection>(TTipoGrupo::NaoPeriodicos, "evtExclusao", schevtExclusao),
    Linha<TS3500Collection>(TTipoGrupo::NaoPeriodicos, "evtExcProcTrab", schevtExcProcTrab),
    Linha<TS1200Collection>(TTipoGrupo::Periodicos, "evtRemun", schevtRemun),
    Linha<TS1202Collection>(TTipoGrupo::Periodicos, "evtRmnRPPS", schevtRmnRPPS),
    Linha<TS1207Collection>(TTipoGrupo::Periodicos, "evtBenPrRP", schevtBenPrRP),
    Linha<TS1210Collection>(TTipoGrupo::Periodicos, "evtPgtos", schevtPgtos),
    Linha<TS1220Collection>(TTipoGrupo::Periodicos, "evtInfoIR", schevtInfoIR),
    Linha<TS1250Collection>(TTipoGrupo::Periodicos, "evtAqProd", schevtAqProd),
    Linha<TS1260Collection>(TTipoGrupo::Periodicos, "evtComProd", schevtComProd),
    Linha<TS1270Collection>(TTipoGrupo::Periodicos, "evtContratAvNP", schevtContratAvNP),
    Linha<TS1280Collection>(TTipoGrupo::Periodicos, "evtInfoComplPer", schevtInfoComplPer),
    Linha<TS1295Collection>(TTipoGrupo::Periodicos, "evtTotConting", schevtTotConting),
    Linha<TS1298Collection>(TTipoGrupo::Periodicos, "evtReabreEvPer", schevtReabreEvper),
    Linha<TS1299Collection>(TTipoGrupo::Periodicos, "evtFechaEvPer", schevtFechaEvPer),
    Linha<TS1300Collection>(TTipoGrupo::Periodicos, "evtContrSindPatr", schevtContrSindPatr),
};
// clang-format on
static_assert(std::size(kRegistro) == 53);

}  // namespace

std::span<const TRegistroEvento> RegistroEventos() { return kRegistro; }

// The groups' typed accessors live here, beside the only includes of the unit headers.
TS1000Collection& TIniciais::S1000() const { return ListaTipada<TS1000Collection>(); }
TS1005Collection& TIniciais::S1005() const { return ListaTipada<TS1005Collection>(); }
TS1010Collection& TTabelas::S1010() const { return ListaTipada<TS1010Collection>(); }
TS1020Collection& TTabelas::S1020() const { return ListaTipada<TS1020Collection>(); }
TS1030Collection& TTabelas::S1030() const { return ListaTipada<TS1030Collection>(); }
TS1035Collection& TTabelas::S1035() const { return ListaTipada<TS1035Collection>(); }
TS1040Collection& TTabelas::S1040() const { return ListaTipada<TS1040Collection>(); }
TS1050Collection& TTabelas::S1050() const { return ListaTipada<TS1050Collection>(); }
TS1060Collection& TTabelas::S1060() const { return ListaTipada<TS1060Collection>(); }
TS1070Collection& TTabelas::S1070() const { return ListaTipada<TS1070Collection>(); }
TS1080Collection& TTabelas::S1080() const { return ListaTipada<TS1080Collection>(); }
TS2190Collection& TNaoPeriodicos::S2190() const { return ListaTipada<TS2190Collection>(); }
TS2200Collection& TNaoPeriodicos::S2200() const { return ListaTipada<TS2200Collection>(); }
TS2205Collection& TNaoPeriodicos::S2205() const { return ListaTipada<TS2205Collection>(); }
TS2206Collection& TNaoPeriodicos::S2206() const { return ListaTipada<TS2206Collection>(); }
TS2210Collection& TNaoPeriodicos::S2210() const { return ListaTipada<TS2210Collection>(); }
TS2220Collection& TNaoPeriodicos::S2220() const { return ListaTipada<TS2220Collection>(); }
TS2221Collection& TNaoPeriodicos::S2221() const { return ListaTipada<TS2221Collection>(); }
TS2230Collection& TNaoPeriodicos::S2230() const { return ListaTipada<TS2230Collection>(); }
TS2231Collection& TNaoPeriodicos::S2231() const { return ListaTipada<TS2231Collection>(); }
TS2240Collection& TNaoPeriodicos::S2240() const { return ListaTipada<TS2240Collection>(); }
TS2245Collection& TNaoPeriodicos::S2245() const { return ListaTipada<TS2245Collection>(); }
TS2250Collection& TNaoPeriodicos::S2250() const { return ListaTipada<TS2250Collection>(); }
TS2260Collection& TNaoPeriodicos::S2260() const { return ListaTipada<TS2260Collection>(); }
TS2298Collection& TNaoPeriodicos::S2298() const { return ListaTipada<TS2298Collection>(); }
TS2299Collection& TNaoPeriodicos::S2299() const { return ListaTipada<TS2299Collection>(); }
TS2300Collection& TNaoPeriodicos::S2300() const { return ListaTipada<TS2300Collection>(); }
TS2306Collection& TNaoPeriodicos::S2306() const { return ListaTipada<TS2306Collection>(); }
TS2399Collection& TNaoPeriodicos::S2399() const { return ListaTipada<TS2399Collection>(); }
TS2400Collection& TNaoPeriodicos::S2400() const { return ListaTipada<TS2400Collection>(); }
TS2405Collection& TNaoPeriodicos::S2405() const { return ListaTipada<TS2405Collection>(); }
TS2410Collection& TNaoPeriodicos::S2410() const { return ListaTipada<TS2410Collection>(); }
TS2416Collection& TNaoPeriodicos::S2416() const { return ListaTipada<TS2416Collection>(); }
TS2418Collection& TNaoPeriodicos::S2418() const { return ListaTipada<TS2418Collection>(); }
TS2420Collection& TNaoPeriodicos::S2420() const { return ListaTipada<TS2420Collection>(); }
TS2500Collection& TNaoPeriodicos::S2500() const { return ListaTipada<TS2500Collection>(); }
TS2501Collection& TNaoPeriodicos::S2501() const { return ListaTipada<TS2501Collection>(); }
TS2555Collection& TNaoPeriodicos::S2555() const { return ListaTipada<TS2555Collection>(); }
TS3000Collection& TNaoPeriodicos::S3000() const { return ListaTipada<TS3000Collection>(); }
TS3500Collection& TNaoPeriodicos::S3500() const { return ListaTipada<TS3500Collection>(); }
TS1200Collection& TPeriodicos::S1200() const { return ListaTipada<TS1200Collection>(); }
TS1202Collection& TPeriodicos::S1202() const { return ListaTipada<TS1202Collection>(); }
TS1207Collection& TPeriodicos::S1207() const { return ListaTipada<TS1207Collection>(); }
TS1210Collection& TPeriodicos::S1210() const { return ListaTipada<TS1210Collection>(); }
TS1220Collection& TPeriodicos::S1220() const { return ListaTipada<TS1220Collection>(); }
TS1250Collection& TPeriodicos::S1250() const { return ListaTipada<TS1250Collection>(); }
TS1260Collection& TPeriodicos::S1260() const { return ListaTipada<TS1260Collection>(); }
TS1270Collection& TPeriodicos::S1270() const { return ListaTipada<TS1270Collection>(); }
TS1280Collection& TPeriodicos::S1280() const { return ListaTipada<TS1280Collection>(); }
TS1295Collection& TPeriodicos::S1295() const { return ListaTipada<TS1295Collection>(); }
TS1298Collection& TPeriodicos::S1298() const { return ListaTipada<TS1298Collection>(); }
TS1299Collection& TPeriodicos::S1299() const { return ListaTipada<TS1299Collection>(); }
TS1300Collection& TPeriodicos::S1300() const { return ListaTipada<TS1300Collection>(); }

}  // namespace esocial
