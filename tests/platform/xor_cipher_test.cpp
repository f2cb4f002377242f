#include "platform/xor_cipher.h"

#include <gtest/gtest.h>

namespace {

TEST(XorCipher, MasksCyclicallyAndUnmasks) {
  const std::string chave = "123456789";
  const std::string senha = "senha muito longa, maior que a chave";
  std::string mascarada = platform::XorComChaveCiclica(senha, chave);
  EXPECT_NE(mascarada, senha);
  EXPECT_EQ(mascarada[0], static_cast<char>('s' ^ '1'));
  EXPECT_EQ(mascarada[9], static_cast<char>(senha[9] ^ '1'));
  EXPECT_EQ(platform::XorComChaveCiclica(mascarada, chave), senha);
  // A byte equal to its key byte is kept, so no zero byte appears.
  EXPECT_EQ(platform::XorComChaveCiclica("1x", "12"), "1J");
}

TEST(XorCipher, EmptyKeyLeavesTheBytes) {
  EXPECT_EQ(platform::XorComChaveCiclica("abc", ""), "abc");
  EXPECT_EQ(platform::XorComChaveCiclica("", "k"), "");
}

}  // namespace
