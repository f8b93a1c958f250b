#!/usr/bin/python3
"""A one-page PDF from the command line, as a whole process, against LibreOffice converting
the same report workbook to PDF: the processor time (user + system, of the whole process
and every process it starts) of each, averaged over several runs, and their ratio. Wall
time is shown too, but on a busy machine only the processor time compares fairly.

Usage: bench/pdf_against_libreoffice.py [BUILD_DIR] [RUNS]   (defaults: build, 20)
"""
import os
import resource
import statistics
import subprocess
import sys
import tempfile
import time

build = sys.argv[1] if len(sys.argv) > 1 else "build"
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 20
cli = os.path.join(build, "src", "cli", "soatnoma-cli")
teacher = ["--category", "upper", "--weekly", "23.5", "--leader", "--name", "Karimova Dilnoza",
           "--school", "12", "--subject", "Ona tili", "--year", "2025"]


def measure(command, times):
    """Average processor and median wall time of one run, in milliseconds."""
    walls = []
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    for _ in range(times):
        start = time.perf_counter()
        subprocess.run(command, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        walls.append(time.perf_counter() - start)
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    processor = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    return processor / times * 1000, statistics.median(walls) * 1000


with tempfile.TemporaryDirectory(prefix="soatnoma-pdf-bench-") as folder:
    workbook = os.path.join(folder, "hisobot.xlsx")
    subprocess.run([cli, "report", *teacher, "-o", workbook], check=True)
    ours = measure([cli, "report", *teacher, "-o", os.path.join(folder, "hisobot.pdf")], runs)

    profile = "file://" + os.path.join(folder, "profile")
    convert = ["soffice", "-env:UserInstallation=" + profile, "--headless", "--convert-to", "pdf",
               "--outdir", os.path.join(folder, "out"), workbook]
    measure(convert, 1)  # the first start sets the profile up
    theirs = measure(convert, max(3, runs // 5))

print(f"soatnoma-cli report -o .pdf   {ours[0]:8.1f} ms processor  {ours[1]:8.1f} ms wall")
print(f"LibreOffice .xlsx -> .pdf     {theirs[0]:8.1f} ms processor  {theirs[1]:8.1f} ms wall")
print(f"ratio                         {theirs[0] / ours[0]:8.1f} x processor {theirs[1] / ours[1]:8.1f} x wall")
