#ifndef QUIZMORA_CONSOLE_PRODUCT_H_
#define QUIZMORA_CONSOLE_PRODUCT_H_

// Where the product can be found on the web, as the screens show it.
extern const char* const kProductWebUrl;    // the full address
extern const char* const kProductHostName;  // the host name alone

#endif  // QUIZMORA_CONSOLE_PRODUCT_H_
