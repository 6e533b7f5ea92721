// Resource ids of the program's artwork (drawn by res/make_art.py).
#pragma once

// Configuration window skin
#define IDB_FACE_UP 200     // command button face, 94 x 32
#define IDB_FACE_DOWN 201   // command button face pressed, 94 x 32
#define IDB_BACKGROUND 202  // panel background, tiled
#define IDB_BAR 203         // bar between the bands, 134 x 5

// Caption buttons, 15 x 15, up and down
#define IDB_SYSBTN_UP 136
#define IDB_SYSBTN_DOWN 133
#define IDB_MINBTN_UP 130
#define IDB_MINBTN_DOWN 129
#define IDB_MAXBTN_UP 156
#define IDB_MAXBTN_DOWN 155
#define IDB_CLOSEBTN_UP 132
#define IDB_CLOSEBTN_DOWN 131

// List arrow buttons, magenta (255, 0, 255) transparent
#define IDB_ARROW_TOP 140     // 16 x 11
#define IDB_ARROW_UP 141      // 16 x 9
#define IDB_ARROW_DOWN 139    // 15 x 8
#define IDB_ARROW_BOTTOM 138  // 15 x 10

// Size and position picker: a monitor, 99 x 78, 16 colours, magenta transparent; the
// screen area is (9, 7) - (90, 68). The cursor shown over the block.
#define IDB_MONITOR 146
#define IDC_BLOCK_CURSOR 149

// The quick setup wizard's picture on the left of every page
#define IDB_WIZARD 166
