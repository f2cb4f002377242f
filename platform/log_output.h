#pragma once
// A small logging facility: outputs are registered once; a logger hands each entry to every
// registered output. The text-file output opens, appends one line and closes the file per
// entry, so the file exists only once something has been logged.
#include <memory>
#include <string>
#include <string_view>

namespace platform {

class LogOutput {
 public:
  virtual ~LogOutput() = default;
  virtual void Write(std::string_view level, std::string_view value, std::string_view type) = 0;
};

class TextFileLogOutput : public LogOutput {
 public:
  explicit TextFileLogOutput(std::string fileName) : FFileName(std::move(fileName)) {}
  void Write(std::string_view level, std::string_view value, std::string_view type) override;
  const std::string& FileName() const { return FFileName; }

 private:
  std::string FFileName;
};

class Logger {
 public:
  void Info(std::string_view value);
  void Error(std::string_view value);
};

void RegisterLogOutput(std::unique_ptr<LogOutput> output);
Logger& DefaultLogger();

}  // namespace platform
