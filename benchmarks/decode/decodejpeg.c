/* The floor for converting JPEG photographs: decodes each file named on the
 * command line with libjpeg-turbo at full size, in one process on one core, and
 * does nothing with the pixels. A first argument 1/2, 1/4 or 1/8 decodes at that
 * scale instead: what entropy decoding alone costs, which no scale removes.
 *   decodejpeg [1/N] FILE... */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <jpeglib.h>

int main(int argc, char **argv)
{
    struct jpeg_decompress_struct info;
    struct jpeg_error_mgr error;
    unsigned long checksum = 0;
    unsigned denominator = 1;
    int first = 1;
    if (argc > 1 && strncmp(argv[1], "1/", 2) == 0) {
        denominator = (unsigned)atoi(argv[1] + 2);
        first = 2;
    }
    info.err = jpeg_std_error(&error);
    jpeg_create_decompress(&info);
    for (int i = first; i < argc; ++i) {
        FILE *file = fopen(argv[i], "rb");
        if (!file) {
            perror(argv[i]);
            return 1;
        }
        jpeg_stdio_src(&info, file);
        jpeg_read_header(&info, TRUE);
        info.scale_num = 1;
        info.scale_denom = denominator;
        jpeg_start_decompress(&info);
        const size_t stride = (size_t)info.output_width * info.output_components;
        JSAMPLE *row = malloc(stride);
        while (info.output_scanline < info.output_height) {
            jpeg_read_scanlines(&info, &row, 1);
            checksum += row[0];
        }
        jpeg_finish_decompress(&info);
        free(row);
        fclose(file);
    }
    jpeg_destroy_decompress(&info);
    printf("%lu\n", checksum);
    return 0;
}
