// Runs the support library's Windows tests; a box that a test did not expect fails it.
#include <gtest/gtest.h>

#include "tests/editor/support/BoxRecorder.h"

using namespace support;

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  FailOnUnexpectedBoxes();
  return RUN_ALL_TESTS();
}
