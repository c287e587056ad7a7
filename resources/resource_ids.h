#ifndef TESSMIRE_RESOURCE_IDS_H
#define TESSMIRE_RESOURCE_IDS_H
/* The program's numeric ids, each number written once: its resources, which tsviewer.rc and
   the C++ code share, and the commands of the window's system menu. The resource compiler
   takes only #define lines from a header, so the resources' ids are #defines; what only C++
   reads is constexpr, hidden from the resource compiler by RC_INVOKED. */

#define TS_ICON_APP 1 /* the lowest icon id: the one Explorer shows */

/* The main window's pictures (platform::PictureId takes these). */
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

/* Each picture's copy drawn at 200% is kept under its id plus this. */
#define TS_PICTURE_200_OFFSET 100
#define TS_PICTURE_TITLE_BAND_200 (TS_PICTURE_TITLE_BAND + TS_PICTURE_200_OFFSET)
#define TS_PICTURE_GO_NORMAL_200 (TS_PICTURE_GO_NORMAL + TS_PICTURE_200_OFFSET)
#define TS_PICTURE_GO_HOVER_200 (TS_PICTURE_GO_HOVER + TS_PICTURE_200_OFFSET)
#define TS_PICTURE_GO_PRESSED_200 (TS_PICTURE_GO_PRESSED + TS_PICTURE_200_OFFSET)
#define TS_PICTURE_PREVIOUS_200 (TS_PICTURE_PREVIOUS + TS_PICTURE_200_OFFSET)
#define TS_PICTURE_NEXT_200 (TS_PICTURE_NEXT + TS_PICTURE_200_OFFSET)
#define TS_PICTURE_PAGE_DOWN_200 (TS_PICTURE_PAGE_DOWN + TS_PICTURE_200_OFFSET)
#define TS_PICTURE_TO_END_200 (TS_PICTURE_TO_END + TS_PICTURE_200_OFFSET)
#define TS_PICTURE_SHRINK_200 (TS_PICTURE_SHRINK + TS_PICTURE_200_OFFSET)
#define TS_PICTURE_STARTUP_200 (TS_PICTURE_STARTUP + TS_PICTURE_200_OFFSET)

/* One cursor file holding the 32 and 64 pixel pointers; LoadImage picks by the size asked. */
#define TS_CURSOR_HAND 301

#ifndef RC_INVOKED

// The viewer's commands in the window's system menu (input/commands.h gives their entries).
namespace commands {

inline constexpr int addressBar = 1000;
inline constexpr int about = 1001;
inline constexpr int help = 1002;
inline constexpr int open = 1003;
inline constexpr int print = 1004;
inline constexpr int settings = 1005;

}  // namespace commands

#endif

#endif
