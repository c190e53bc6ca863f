/* The card support library: card predicates, pile anchors, shared integers and card decorations. */
#ifndef QUILLORO_CARDLIB_H
#define QUILLORO_CARDLIB_H

#include <stdint.h>

#if defined(QUILLORO_BUILDING_CARDLIB)
#define QUILLORO_API __attribute__((visibility("default")))
#else
#define QUILLORO_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* A drawing surface: a caller-owned buffer of 32-bit pixels, 0xAARRGGBB, row by
   row from the top. stride is the distance between rows in pixels. The library
   only reads and writes pixels through it and never keeps it past a call. */
typedef struct QuilloroSurface {
  uint32_t* pixels;
  int32_t width;
  int32_t height;
  int32_t stride;
} QuilloroSurface;

/* The handle the drawing routines take: a pointer to a caller's surface. */
typedef QuilloroSurface* QuilloroSurfaceHandle;

/* What a pixel write answers when the pixel lies outside the surface. */
#define QUILLORO_PIXEL_INVALID ((int32_t)-1)

/* Pile anchors: left and top pixel of each pile's bottom card. */
QUILLORO_API int32_t fGetMazzoLeft(int32_t index);
QUILLORO_API int32_t fGetMazzoTop(int32_t index);
QUILLORO_API int32_t fSetMazzoLeft(int32_t index, int32_t value);
QUILLORO_API int32_t fSetMazzoTop(int32_t index, int32_t value);
QUILLORO_API int32_t fGetDestLeft(int32_t index);
QUILLORO_API int32_t fGetDestTop(int32_t index);
QUILLORO_API int32_t fSetDestLeft(int32_t index, int32_t value);
QUILLORO_API int32_t fSetDestTop(int32_t index, int32_t value);
QUILLORO_API int32_t fGetFilaLeft(int32_t index);
QUILLORO_API int32_t fGetFilaTop(int32_t index);
QUILLORO_API int32_t fSetFilaLeft(int32_t index, int32_t value);
QUILLORO_API int32_t fSetFilaTop(int32_t index, int32_t value);
QUILLORO_API int32_t fGetAppoggLeft(int32_t index);
QUILLORO_API int32_t fGetAppoggTop(int32_t index);
QUILLORO_API int32_t fSetAppoggLeft(int32_t index, int32_t value);
QUILLORO_API int32_t fSetAppoggTop(int32_t index, int32_t value);

/* Shared integers: 0 = card height, 1 = card width, the rest free. */
QUILLORO_API int32_t fGetVarInt(int32_t index);
QUILLORO_API int32_t fSetVarInt(int32_t index, int32_t value);

/* Card predicates over card numbers 1..104 (53..104 the second pack). */
QUILLORO_API int32_t fCard2Value(int32_t card);
QUILLORO_API int32_t fIsCartaRossa(int32_t card);
QUILLORO_API int32_t fIsCartaFigura(int32_t card);
QUILLORO_API int32_t fIsCartaAsse(int32_t card);
QUILLORO_API int32_t fIsCartaRe(int32_t card);
QUILLORO_API int32_t fIsCartaSuccessiva(int32_t card1, int32_t card2, int32_t mode1, int32_t mode2);

/* A store of card texts, for other users of the library. */
QUILLORO_API int32_t fInitVariabiliDLL(void);
QUILLORO_API const char* fGetCarte(int32_t index);
QUILLORO_API int32_t fcharSetCarte(int32_t index, const char* text);

/* The number of colours a surface can show; 0 for a null handle. */
QUILLORO_API int32_t fSystemNumColors(QuilloroSurfaceHandle surface);
/* Sounds the default beep (through the beep hook) and returns 0. */
QUILLORO_API int32_t fProvaVC(void);
/* Replaces the beep; a null hook restores the default (a bell on stderr). */
typedef void (*QuilloroBeepHook)(void);
QUILLORO_API void fSetBeepHook(QuilloroBeepHook hook);

/* Card decorations: copy corner pixels from a source rectangle to a destination
   rectangle (right and bottom exclusive), paint the silver edge of a squared
   pile, draw a card's drop shadow. Each returns the result of its last pixel
   write: the colour set as 0x00BBGGRR, or QUILLORO_PIXEL_INVALID. */
QUILLORO_API int32_t fDisegnaAngoliCarta(QuilloroSurfaceHandle src, int32_t srcLeft, int32_t srcTop,
                                         int32_t srcRight, int32_t srcBottom, QuilloroSurfaceHandle dst,
                                         int32_t dstLeft, int32_t dstTop, int32_t dstRight,
                                         int32_t dstBottom, int32_t detail);
QUILLORO_API int32_t fDisegnaAngoliSupCarta(QuilloroSurfaceHandle src, int32_t srcLeft, int32_t srcTop,
                                            int32_t srcRight, int32_t srcBottom, QuilloroSurfaceHandle dst,
                                            int32_t dstLeft, int32_t dstTop, int32_t dstRight,
                                            int32_t dstBottom, int32_t detail);
QUILLORO_API int32_t fDisegnaAngoliInfCarta(QuilloroSurfaceHandle src, int32_t srcLeft, int32_t srcTop,
                                            int32_t srcRight, int32_t srcBottom, QuilloroSurfaceHandle dst,
                                            int32_t dstLeft, int32_t dstTop, int32_t dstRight,
                                            int32_t dstBottom, int32_t detail);
QUILLORO_API int32_t fDisegnaAngoliInfCarta3DPile(QuilloroSurfaceHandle src, int32_t srcLeft, int32_t srcTop,
                                                  int32_t srcRight, int32_t srcBottom,
                                                  QuilloroSurfaceHandle dst, int32_t dstLeft, int32_t dstTop,
                                                  int32_t dstRight, int32_t dstBottom, int32_t detail);
QUILLORO_API int32_t fDisegnaAngoloInf3DPile(QuilloroSurfaceHandle src, int32_t srcLeft, int32_t srcTop,
                                             int32_t srcRight, int32_t srcBottom, QuilloroSurfaceHandle dst,
                                             int32_t dstLeft, int32_t dstTop, int32_t dstRight,
                                             int32_t dstBottom, int32_t detail);
QUILLORO_API int32_t fDisegnaOmbraCarta(QuilloroSurfaceHandle surface, int32_t left, int32_t top, int32_t right,
                                        int32_t bottom);

#ifdef __cplusplus
}
#endif

#endif /* QUILLORO_CARDLIB_H */
