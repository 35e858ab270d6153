/* Identifiers of the resources of Quorvex.exe (resources/windows/quorvex.rc), for the resource
   script and the C++ code alike. */
#ifndef QUORVEX_RESOURCE_IDS_H
#define QUORVEX_RESOURCE_IDS_H

/* The application icon: group "AAA", 13 images (16, 24, 32, 48 pixels at 4 and 8 bits, and 16,
   24, 32, 48, 128 pixels at 32 bits). A name, not a number. */
#define QUORVEX_ICON_GROUP "AAA"

/* The link cursor shown over every clickable picture: 32 x 32, hot spot at column 13, row 5. */
#define IDC_QUORVEX_LINK 101
#define QUORVEX_LINK_CURSOR_SIZE 32
#define QUORVEX_LINK_CURSOR_HOT_X 13
#define QUORVEX_LINK_CURSOR_HOT_Y 5

/* The artwork pictures are RCDATA resources, QOI files packed with zlib, named after their drawing
   in resources/artwork ("splash", "icon_lan_hover") at the drawing's size and "<name>_2x" at twice
   it; artwork::LoadArtworkResource (src/artwork/artwork_resources.h) decodes them. */

#endif
