#include "platform/log_output.h"

#include <fstream>
#include <mutex>
#include <vector>

#include "platform/date_time.h"

namespace platform {

namespace {
std::mutex& OutputsLock() {
  static std::mutex m;
  return m;
}
std::vector<std::unique_ptr<LogOutput>>& Outputs() {
  static std::vector<std::unique_ptr<LogOutput>> list;
  return list;
}
void WriteAll(std::string_view level, std::string_view value) {
  std::lock_guard<std::mutex> lock(OutputsLock());
  for (auto& o : Outputs()) o->Write(level, value, "string");
}
}  // namespace

void TextFileLogOutput::Write(std::string_view level, std::string_view value, std::string_view type) {
  std::ofstream f(FFileName, std::ios::binary | std::ios::app);
  f << FormatDateTime("yyyy-mm-dd hh:nn:ss.zzz", Now()) << " [" << level << "] " << value << " (" << type << ")\n";
}

void Logger::Info(std::string_view value) { WriteAll("Info", value); }
void Logger::Error(std::string_view value) { WriteAll("Error", value); }

void RegisterLogOutput(std::unique_ptr<LogOutput> output) {
  std::lock_guard<std::mutex> lock(OutputsLock());
  Outputs().push_back(std::move(output));
}

Logger& DefaultLogger() {
  static Logger logger;
  return logger;
}

}  // namespace platform
