/* Resource identifiers of veskara.exe, shared by veskara.rc (windres) and the C++ sources.
   Only #define lines here: the resource compiler reads this file too. */
#ifndef VESKARA_RESOURCE_IDS_H
#define VESKARA_RESOURCE_IDS_H

/* Version, as numbers for the version resource and the settings key. */
#define VESKARA_VERSION_MAJOR 4
#define VESKARA_VERSION_MINOR 0
#define VESKARA_VERSION_RELEASE 0
#define VESKARA_VERSION_BUILD 2000
#define VESKARA_VERSION_STR "4.0.0.2000"

/* The product's web site: one host for every address the program opens.
   A reserved .example host until the project has a site of its own. */
#define VESKARA_SITE "https://veskara.example"
#define VESKARA_HOME_URL VESKARA_SITE "/index.html?utm_source=application&utm_medium=download&utm_content=homepagelink&utm_campaign=vesk"
#define VESKARA_SUPPORT_URL VESKARA_SITE "/feedback.html?utm_source=application&utm_medium=download&utm_content=supportlink&utm_campaign=vesk"
#define VESKARA_DONATE_URL VESKARA_SITE "/feedback.html?utm_source=application&utm_medium=download&utm_content=donatemenu&utm_campaign=vesk"
/* Visible texts of the two links: the plain addresses of the site and of its feedback page. */
#define VESKARA_HOME_TEXT VESKARA_SITE
#define VESKARA_SUPPORT_TEXT VESKARA_SITE "/feedback.html"

/* Wide forms for the C++ side (L"" followed by narrow literals makes one wide literal). */
#define VESKARA_SITE_W L"" VESKARA_SITE
#define VESKARA_HOME_URL_W L"" VESKARA_HOME_URL
#define VESKARA_SUPPORT_URL_W L"" VESKARA_SUPPORT_URL
#define VESKARA_DONATE_URL_W L"" VESKARA_DONATE_URL
#define VESKARA_HOME_TEXT_W L"" VESKARA_HOME_TEXT
#define VESKARA_SUPPORT_TEXT_W L"" VESKARA_SUPPORT_TEXT

/* String table. */
#define IDS_RUN_PROMPT 65168
#define IDS_NO_VERSION_INFO 65184
#define IDS_NO_EXE_NAME 65185
#define IDS_COM_ERROR 65186
#define IDS_ALREADY_RUNNING 65187
#define IDS_OS_NOT_SUPPORTED 65188
#define IDS_DONATE_URL 65189
/* Names of the nine additional icons, in the order of their indexes 0 to 8. */
#define IDS_ICON_COMMON_FILE 65190
#define IDS_ICON_COMMON_FOLDER 65191
#define IDS_ICON_PERSONAL_FILE 65192
#define IDS_ICON_PERSONAL_FOLDER 65193
#define IDS_ICON_SETTINGS 65194
#define IDS_ICON_DONATE 65195
#define IDS_ICON_ABOUT 65196
#define IDS_ICON_RUN 65197
#define IDS_ICON_EXIT 65198
#define IDS_RUN_TITLE 65199
#define IDS_OK 65210
#define IDS_ABOUT_FMT 65211
#define IDS_COPYRIGHT 65212
#define IDS_VERSION_FMT 65213
#define IDS_EMPTY 65214
#define IDS_NO_EVENT 65215

/* Icons. The main icon is a named group ("MAINICON"), so it comes first in resource order and
   icon index k of the executable (as SHDefExtractIconW counts) is the group with id k. */
#define IDI_MAIN_NAME "MAINICON"
#define IDI_FIRST_ADDITIONAL 1
#define IDI_LAST_ADDITIONAL 39
/* Default groups of the nine additional icons, indexes 0 to 8. */
#define IDI_DEFAULT_COMMON_FILE 4
#define IDI_DEFAULT_COMMON_FOLDER 9
#define IDI_DEFAULT_PERSONAL_FILE 1
#define IDI_DEFAULT_PERSONAL_FOLDER 7
#define IDI_DEFAULT_SETTINGS 20
#define IDI_DEFAULT_DONATE 24
#define IDI_DEFAULT_ABOUT 28
#define IDI_DEFAULT_RUN 32
#define IDI_DEFAULT_EXIT 36

/* Tray pictures: 24-bit bitmaps whose transparent pixels are magenta, RGB(255, 0, 255).
   IDB_TRAY_IDLE is the one 16 x 16 picture at rest; IDB_TRAY_FRAMES is 160 x 16, ten 16 x 16
   frames left to right, shown in turn while the menu is built. */
#define IDB_TRAY_IDLE 200
#define IDB_TRAY_FRAMES 201
#define VESKARA_TRAY_SIZE 16
#define VESKARA_TRAY_FRAME_COUNT 10
#define VESKARA_TRAY_MASK_RGB 0xFF00FF /* as a COLORREF too: RGB(255, 0, 255) */

#endif
