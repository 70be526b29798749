/* The floor for converting JPEG photographs: decodes each file named on the
 * command line with libjpeg-turbo at full size, in one process on one core, and
 * does nothing with the pixels. */
#include <stdio.h>
#include <stdlib.h>

#include <jpeglib.h>

int main(int argc, char **argv)
{
    struct jpeg_decompress_struct info;
    struct jpeg_error_mgr error;
    unsigned long checksum = 0;
    info.err = jpeg_std_error(&error);
    jpeg_create_decompress(&info);
    for (int i = 1; i < argc; ++i) {
        FILE *file = fopen(argv[i], "rb");
        if (!file) {
            perror(argv[i]);
            return 1;
        }
        jpeg_stdio_src(&info, file);
        jpeg_read_header(&info, TRUE);
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
