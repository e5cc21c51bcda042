/* libxlsxwriter prints its errors to standard error, or, built for R (USE_R_LANG), through R's
   REprintf. This stands in for R's header so that they go nowhere: the plug-in tells the user
   why a workbook failed in a message box, and a viewer's standard error is no place for it. */
#ifndef TORV_XLSXWRITER_QUIET_R_H
#define TORV_XLSXWRITER_QUIET_R_H

static inline void REprintf(const char *format, ...) { (void) format; }

#endif
