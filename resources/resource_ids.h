#ifndef TESSMIRE_RESOURCE_IDS_H
#define TESSMIRE_RESOURCE_IDS_H
/* Numeric ids of the program's resources, shared by tsviewer.rc and the C++ code. Plain
   #defines because the resource compiler reads this file too. The window's pictures match
   platform::PictureId; each has a copy drawn at 200% under its id + TS_PICTURE_200_OFFSET. */

#define TS_ICON_APP 1 /* the lowest icon id: the one Explorer shows */

#define TS_PICTURE_TITLE_BAND 101
#define TS_PICTURE_GO_NORMAL 102
#define TS_PICTURE_GO_HOVER 103
#define TS_PICTURE_GO_PRESSED 104
#define TS_PICTURE_PREVIOUS 105
#define TS_PICTURE_NEXT 106
#define TS_PICTURE_PAGE_DOWN 107
#define TS_PICTURE_TO_END 108
#define TS_PICTURE_SHRINK 109
#define TS_PICTURE_STARTUP 110

#define TS_PICTURE_200_OFFSET 100
#define TS_PICTURE_TITLE_BAND_200 201
#define TS_PICTURE_GO_NORMAL_200 202
#define TS_PICTURE_GO_HOVER_200 203
#define TS_PICTURE_GO_PRESSED_200 204
#define TS_PICTURE_PREVIOUS_200 205
#define TS_PICTURE_NEXT_200 206
#define TS_PICTURE_PAGE_DOWN_200 207
#define TS_PICTURE_TO_END_200 208
#define TS_PICTURE_SHRINK_200 209
#define TS_PICTURE_STARTUP_200 210

/* One cursor file holding the 32 and 64 pixel pointers; LoadImage picks by the size asked. */
#define TS_CURSOR_HAND 301

#endif
