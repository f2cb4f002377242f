#include "dfe/ssl_xml_sign_libxml2_schemas.h"

#include <libxml/xmlerror.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <mutex>

namespace dfe::libxml2 {

namespace {

struct TSchemaGuardado {
  std::filesystem::file_time_type Modificado;
  SchemaPtr Schema;
  std::uint64_t UltimoUso = 0;
};

struct TGuarda {
  std::mutex Lock;
  std::map<std::string, TSchemaGuardado> Schemas;
  std::uint64_t Relogio = 0;
};

TGuarda& Guarda() {
  static TGuarda guarda;
  return guarda;
}

SchemaPtr Interpretar(const std::string& arquivo, std::string& msgErro) {
  // libxml2 sets up its built-in schema types on the first parse without a lock of its own, so
  // two first parses at once leave one set behind: parses take turns (each file is parsed once).
  static std::mutex parseLock;
  std::lock_guard lock(parseLock);
  xmlResetLastError();
  xmlSchemaParserCtxtPtr parser = xmlSchemaNewParserCtxt(arquivo.c_str());
  if (parser == nullptr) {
    msgErro = DetalhesUltimoErro("Error: não foi possivel criar um contexto de validação para o Schema");
    return nullptr;
  }
  xmlSchemaSetParserStructuredErrors(parser, IgnorarErroEstruturado, nullptr);
  xmlSchemaPtr schema = xmlSchemaParse(parser);
  xmlSchemaFreeParserCtxt(parser);
  if (schema == nullptr) {
    msgErro = DetalhesUltimoErro("Erro: Schema inválido");
    return nullptr;
  }
  return SchemaPtr(schema, xmlSchemaFree);
}

}  // namespace

SchemaPtr SchemaDoArquivo(const std::string& arquivo, std::string& msgErro) {
  std::error_code ec;
  const std::string chave = std::filesystem::absolute(arquivo, ec).lexically_normal().string();
  const auto modificado = std::filesystem::last_write_time(arquivo, ec);
  TGuarda& g = Guarda();
  {
    std::lock_guard lock(g.Lock);
    auto it = g.Schemas.find(chave);
    if (it != g.Schemas.end() && !ec && it->second.Modificado == modificado) {
      it->second.UltimoUso = ++g.Relogio;
      return it->second.Schema;
    }
  }
  // Parsed outside the lock, so validations with schemas already held go on meanwhile; two
  // threads that parse the same file in turn both keep theirs for the call, the later one stays.
  SchemaPtr schema = Interpretar(arquivo, msgErro);
  if (!schema || ec) return schema;
  std::lock_guard lock(g.Lock);
  if (g.Schemas.find(chave) == g.Schemas.end() && g.Schemas.size() >= kMaxSchemasGuardados) {
    auto maisAntigo = g.Schemas.begin();
    for (auto it = g.Schemas.begin(); it != g.Schemas.end(); ++it)
      if (it->second.UltimoUso < maisAntigo->second.UltimoUso) maisAntigo = it;
    g.Schemas.erase(maisAntigo);
  }
  g.Schemas[chave] = TSchemaGuardado{modificado, schema, ++g.Relogio};
  return schema;
}

std::string DetalhesUltimoErro(const std::string& texto) {
  const xmlError* erro = xmlGetLastError();
  if (erro == nullptr || erro->code == 0) return texto;
  std::string out = texto + " --> " + std::to_string(erro->code);
  if (erro->message != nullptr) out += std::string(" - ") + erro->message;
  return out;
}

void IgnorarErroEstruturado(void*, xmlErrorPtr) {}

std::size_t SchemasGuardados() {
  TGuarda& g = Guarda();
  std::lock_guard lock(g.Lock);
  return g.Schemas.size();
}

}  // namespace dfe::libxml2
