// Sends one language file to a printer as the message download does, and prints how long the
// send took inside Windows (from opening the printer to closing it), in milliseconds.
#include <windows.h>

#include <stdio.h>

#include "PrintJob.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: SendJob <printer name> <language file>\n");
        return 2;
    }
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    CPrintJob job;
    bool sent = job.SendLanguageFile(argv[1], argv[2], "SendJob");
    QueryPerformanceCounter(&end);
    double milliseconds = 1000.0 * (end.QuadPart - start.QuadPart) / frequency.QuadPart;
    printf("elapsed_ms=%.3f status=0x%x\n", milliseconds, job.GetStatus());
    return sent ? 0 : 1;
}
