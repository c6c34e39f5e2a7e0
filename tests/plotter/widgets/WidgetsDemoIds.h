// Ids of the demo window's own controls (the band reuses the plotter's ids).
#pragma once

#define IDD_WIDGETS_DEMO                 500
#define IDC_DEMO_IDLE                    2001
#define IDC_DEMO_HOVERED                 2002
#define IDC_DEMO_PRESSED                 2003
#define IDC_DEMO_DISABLED                2004
#define IDC_DEMO_EXIT_DISABLED           2005
#define IDC_DEMO_FLAT_CLEAR              2011
#define IDC_DEMO_FLAT_TICKED             2012
#define IDC_DEMO_FLAT_PRESSED            2013
#define IDC_DEMO_BEVEL_CLEAR             2014
#define IDC_DEMO_BEVEL_TICKED            2015
#define IDC_DEMO_BEVEL_PRESSED           2016
#define IDC_DEMO_BEVEL_PRESSED_TICKED    2017
#define IDC_DEMO_FLAT_DISABLED           2018
