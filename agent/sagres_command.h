#pragma once
// The command that downloads the SAGRES validator's archive from the REST API and unpacks it
// into the validator's import folder.
#include <string>

#include "agent/command_base.h"

namespace agent {

class TDescompactarSagresValidador : public TComunicacaoEsocial {
 public:
  using TComunicacaoEsocial::TComunicacaoEsocial;
  ~TDescompactarSagresValidador() override { WaitFor(); }

 protected:
  void Validate() override {}
  void Execute() override;

 private:
  void Descompactar(const std::string& archive, const std::string& protocolo);
};

// The folder that stands for drive C: of the Windows programs run under Wine: NEMBO_DRIVE_C,
// else $WINEPREFIX/drive_c, else ~/.wine/drive_c. No trailing '/'.
std::string DriveCFolder();

// The validator's import folder for a protocolo of the form A "/" B "-" N, further parts
// ignored: <drive C>/ValidadorSagres<B>/<A>/importacao/<N>/folha. A and B become path
// components, so empty parts, "." and "..", separators and control characters are refused;
// N must be plain decimal digits within 32 bits. Throws with the reason.
std::string SagresImportFolder(const std::string& protocolo);

}  // namespace agent
