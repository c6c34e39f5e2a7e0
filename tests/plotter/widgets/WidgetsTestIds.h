// Resource ids of the widget tests; plain #defines so that windres can read them.
#pragma once

#define IDI_TEST_TARGET   301
#define IDC_TEST_POINTER  302
#define IDR_TEST_MENU     303
#define IDR_EMPTY_MENU    304

#define ID_TEST_FIRST     40008
#define ID_TEST_SECOND    40009
#define ID_TEST_THIRD     40010
