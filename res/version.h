// Version and naming of Sixpointe, shared by the resource script and the code.
#ifndef SIXPOINTE_RES_VERSION_H
#define SIXPOINTE_RES_VERSION_H

#define SIX_VERSION_MAJOR 1
#define SIX_VERSION_MINOR 0
#define SIX_VERSION_BINARY 1, 0, 0, 0
#define SIX_VERSION_TEXT "1.0"

#define SIX_PRODUCT_NAME "Sixpointe"
#define SIX_FILE_DESCRIPTION "Sixpointe - L'alphabet Braille pour les voyants"
#define SIX_EXE_NAME "Sixpointe.exe"

#endif
