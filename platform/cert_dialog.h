#pragma once
// Stands in for the system's certificate selection dialog: the serial number named by
// NEMBO_CERT_SERIAL (headless use), else a zenity list in a desktop session, else no choice.
// The dialog never inherits standard input or output, which carry the native-messaging frames.
#include <string>
#include <vector>

namespace platform {

// One row of the dialog.
struct CertificateRow {
  std::string Serial;  // returned when the row is chosen
  std::string Holder;
  std::string Expiry;
};

// DISPLAY or WAYLAND_DISPLAY is set and not empty.
bool HasDesktopSession();

// Serial text of the chosen certificate; empty when the user cancelled or nothing could be
// shown (no desktop session, zenity missing).
std::string ChooseCertificate(const std::string& title, const std::string& text,
                              const std::vector<CertificateRow>& rows);

// Asks the user for a token's PIN (the card middleware's own dialog on the original
// platform), in a desktop session only; retry says the previous PIN was wrong. Empty when
// cancelled or when no dialog can be shown.
std::string AskTokenPin(const std::string& tokenName, bool retry);

// Runs a dialog program found on PATH with standard input from /dev/null and standard
// output captured into output (standard error stays the caller's). Returns its exit code,
// or -1 when it could not be started or did not exit normally.
int RunDialog(const std::vector<std::string>& argv, std::string& output);

}  // namespace platform
