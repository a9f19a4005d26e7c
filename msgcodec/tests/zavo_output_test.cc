#include <gtest/gtest.h>
#include <msgcodec/msgcodec.h>
TEST(X, Y) {}
