#include "esocial/totalizers/s5013_reader.h"

#include <cmath>

#include "platform/variant.h"

namespace esocial::s5013 {

namespace {

// An amount in ten-thousandths.
std::int64_t Valor(const TLeituraTags& x, std::string_view Tag) { return std::llround(x.Decimal(Tag) * 10000); }

}  // namespace

void TEvtFGTS::LerGrupos(const TLeituraTags& x) {
  const bool s1 = VersaoDF() >= veS01_00_00;
  if (x.Grupo(2, "ideEvento")) {
    if (s1) ideEvento.IndApuracao = x.Codigo("indApuracao", StrToIndApuracao);
    ideEvento.perApur = x.Texto("perApur");
  }
  totalizers::LerIdeEmpregador(x, ideEmpregador);
  if (!x.Grupo(2, "infoFGTS")) return;
  infoFGTS.nrRecArqBase = x.Texto("nrRecArqBase");
  infoFGTS.indExistInfo = x.Inteiro("indExistInfo");
  // The version alone chooses the shape; the other shape's elements are not looked for.
  if (s1)
    LerFormatoS1(x);
  else
    LerFormato2x(x);
}

void TEvtFGTS::LerFormato2x(const TLeituraTags& x) {
  if (x.Grupo(3, "infoBaseFGTS")) {
    x.Lista(4, "basePerApur", [&] {
      auto& base = infoFGTS.infoBaseFGTS().basePerApur().New();
      base.tpValor = x.Inteiro("tpValor");
      base.baseFGTS = Valor(x, "baseFGTS");
    });
  }
  if (x.Grupo(3, "infoDpsFGTS")) {
    x.Lista(4, "dpsPerApur", [&] {
      auto& dps = infoFGTS.infoDpsFGTS().dpsPerApur().New();
      dps.tpDps = x.Inteiro("tpDps");
      dps.vrFGTS = Valor(x, "vrFGTS");
    });
  }
}

void TEvtFGTS::LerFormatoS1(const TLeituraTags& x) {
  x.Lista(3, "ideEstab", [&] {
    auto& estab = infoFGTS.ideEstab().New();
    // A lotação holds an inscription too: an establishment's own is the one before it.
    estab.nrInsc = x.Texto("nrInsc", "ideLotacao");
    estab.tpInsc = x.Codigo("tpInsc", StrToTpInsc, "ideLotacao");
    x.Lista(4, "ideLotacao", [&] {
      auto& lot = estab.ideLotacao().New();
      lot.codLotacao = x.Texto("codLotacao");
      lot.tpLotacao = x.Texto("tpLotacao");
      // A tpLotacao that is not a whole number (empty included) raises and ends the reading.
      const int tipo = platform::Variant(lot.tpLotacao).AsInteger();
      if (tipo >= 2 && tipo <= 9) {
        lot.tpInsc = x.Codigo("tpInsc", StrToTpInsc);
        lot.nrInsc = x.Texto("nrInsc");
      }
      if (!x.Grupo(5, "infoBaseFGTS")) return;
      x.Lista(6, "basePerApur", [&] {
        auto& base = lot.infoBaseFGTS().basePerApur().New();
        base.tpValor = x.Inteiro("tpValor");
        base.indIncid = x.Inteiro("indIncid");
        base.baseFGTS = Valor(x, "baseFGTS");
        base.vrFGTS = Valor(x, "vrFGTS");
      });
      x.Lista(6, "infoBasePerAntE", [&] {
        auto& ant = lot.infoBaseFGTS().infoBasePerAntE().New();
        ant.perRef = x.Texto("perRef");
        ant.tpAcConv = x.Texto("tpAcConv");
        x.Lista(7, "basePerAntE", [&] {
          auto& base = ant.basePerAntE().New();
          base.tpValorE = x.Inteiro("tpValorE");
          base.indIncidE = x.Inteiro("indIncidE");
          base.baseFGTSE = Valor(x, "baseFGTSE");
          base.vrFGTSE = Valor(x, "vrFGTSE");
        });
      });
    });
  });
}

}  // namespace esocial::s5013
