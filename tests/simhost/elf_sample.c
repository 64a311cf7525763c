/* A small shared library whose sections the ELF reader test looks for: a registration
   record in ".pipl" laid out as the plug-in's, and a text in ".fxmark". */
__attribute__((section(".pipl"), used)) static const unsigned char sample_pipl[] = {
    0x01, 0x00,             /* list version 1 */
    0x00, 0x00, 0x00, 0x00, /* reserved */
    0x04, 0x00, 0x00, 0x00, /* 4 properties */
    'M',  'I',  'B',  '8',  'd', 'n', 'i', 'k', 0,   0,   0, 0, 4, 0, 0, 0, 'T', 'K',  'F',  'e',  'M',
    'I',  'B',  '8',  'e',  'm', 'a', 'n', 0,   0,   0,   0, 8, 0, 0, 0, 6, 'S', 'a',  'm',  'p',  'l',
    'e',  0,    'M',  'I',  'B', '8', 'F', 'N', 'I', 'e', 0, 0, 0, 0, 2, 0, 0,   0,    0x07, 0x00, 0,
    0,    'M',  'I',  'B',  '8', 'O', 'L', 'G', 'e', 0,   0, 0, 0, 4, 0, 0, 0,   0x64, 0x80, 0x00, 0x06,
};

__attribute__((section(".fxmark"), used)) static const char sample_mark[] = "simhost sample";

int elf_sample_value(void) { return sample_pipl[0] + sample_mark[0]; }
