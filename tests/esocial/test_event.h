#pragma once
// A small event unit written as the units are, on the frame, the shared writers and the INI
// reader: an S-1000 reduced to its identification and validity, enough for the schema's
// exclusion document. Extra runs at the end of the body, for tests that need more.
#include <functional>
#include <string>

#include "esocial/events/event_frame.h"
#include "esocial/events/event_ini.h"

namespace esocialtest {

class TEvtTeste : public esocial::TeSocialEvento {
 public:
  using TeSocialEvento::TeSocialEvento;

  esocial::TModoLancamento ModoLancamento = esocial::mlInclusao;
  esocial::TIdeEvento IdeEvento;
  esocial::TIdeEmpregador IdeEmpregador;
  esocial::TIdePeriodo IdePeriodo;
  esocial::TIdePeriodo NovaValidade;
  std::function<void()> Extra;

  bool GerarXML() override {
    return esocial::GerarDocumentoeSocial(*this, "evtInfoEmpregador", IdeEmpregador.NrInsc, [&] {
      GerarIdeEvento(IdeEvento);
      GerarIdeEmpregador(IdeEmpregador);
      esocial::GerarCorpoTabela(
          *this, "infoEmpregador", ModoLancamento, [&] { GerarIdePeriodo(IdePeriodo); },
          [&] { Gerador().wCampo(dfe::tcStr, "", "dados", 1, 10, 1, "D"); }, &NovaValidade);
      if (Extra) Extra();
    });
  }

  bool LerArqIni(const std::string& AIniString) override {
    esocial::TLeitorIniEvento ini(AIniString);
    ini.LerIdentificacao(*this, "evtInfoEmpregador");
    ModoLancamento = ini.ModoLancamento("evtInfoEmpregador");
    ini.LerIdeEvento(IdeEvento);
    ini.LerIdeEmpregador(IdeEmpregador, *this);
    IdePeriodo.IniValid = ini.Texto("idePeriodo", "iniValid");
    IdePeriodo.FimValid = ini.Texto("idePeriodo", "fimValid");
    return esocial::GerarEAtribuirXML(*this);
  }
};

}  // namespace esocialtest
