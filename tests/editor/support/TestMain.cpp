// Runs the support library's Windows tests. A box that a test did not expect is answered here
// (Cancel) and reported as a failure, so that no test can hang on a dialog nobody closes.
#include <windows.h>

#include <gtest/gtest.h>

#include "MessageBoxes.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  soundsOn = false;
  SetMessageBoxAnswerer([](const MessageBoxRequest& request) {
    ADD_FAILURE() << "unexpected message box \"" << request.title << "\": " << request.text;
    return kButtonCancel;
  });
  return RUN_ALL_TESTS();
}
