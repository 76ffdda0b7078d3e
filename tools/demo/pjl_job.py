"""What every job the product sends looks like, for the demo's job describers: its data between
two universal exit language sequences."""
import sys

UEL = b'\x1b%-12345X'


def fail(problem):
    """Tells what is wrong, indented like the describers' other lines, and exits with 1."""
    print(f'   {problem}')
    sys.exit(1)


def job_data(job):
    """The data between the job's two universal exit language sequences."""
    if len(job) < 2 * len(UEL) or not job.startswith(UEL) or not job.endswith(UEL):
        fail('the job does not start and end with the universal exit language')
    return job[len(UEL):len(job) - len(UEL)]
