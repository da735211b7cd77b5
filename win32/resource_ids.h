/* Resources of Velmora.exe, named by the program and its resource script. */
#pragma once

#define VELMORA_MICROPHONE_ICON 1 /* the program's own icon, and the chart's */
#define VELMORA_NOTES_ICON 2      /* the About window's */
#define VELMORA_FRETBOARD 101     /* raw pixels, 500 x 93 */
#define VELMORA_FRETBOARD_2X 102  /* PNG, 1000 x 186, for twice the dots per inch */
