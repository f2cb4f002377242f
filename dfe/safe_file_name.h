#pragma once
// File names built from outside data (an identifier or a protocol number out of a reply)
// must stay inside the folder they are saved in.
#include <string>
#include <string_view>

namespace dfe {

// One part of a file name reduced to ASCII letters, digits, '.', '-' and '_': every other
// byte becomes '_', and a part made only of dots (".", "..") becomes underscores, so the
// result can never name another folder.
std::string SafeFileNamePart(std::string_view part);

}  // namespace dfe
