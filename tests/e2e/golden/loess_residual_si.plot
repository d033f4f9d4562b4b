    3    2    0    0                                                                                    Line 1 : i_Analysis_Type, IUNITS, KYL, ib_ComputeKmatrix_1T0F
    1                                                                                                   Line 2 : Total number of sections
    1                                                                                                   Line 3d : Total number of axial thrusts for elastic section
  150            0.0000000E+00  0.0000000E+00                                                           Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kN) , Nom. Moment Cap. (kN-m) for linear EI pile at top of section
  0.1590431E+07  0.1590431E+06  0.1000000E+02                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=1
  0.3180863E+07  0.1590431E+06  0.2000000E+02                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=2
  0.4771294E+07  0.1590431E+06  0.3000000E+02                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=3
  0.6361725E+07  0.1590431E+06  0.4000000E+02                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=4
  0.7952156E+07  0.1590431E+06  0.5000000E+02                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=5
  0.9542588E+07  0.1590431E+06  0.6000000E+02                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=6
  0.1113302E+08  0.1590431E+06  0.7000000E+02                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=7
  0.1272345E+08  0.1590431E+06  0.8000000E+02                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=8
  0.1431388E+08  0.1590431E+06  0.9000000E+02                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=9
  0.1590431E+08  0.1590431E+06  0.1000000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=10
  0.1749474E+08  0.1590431E+06  0.1100000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=11
  0.1908518E+08  0.1590431E+06  0.1200000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=12
  0.2067561E+08  0.1590431E+06  0.1300000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=13
  0.2226604E+08  0.1590431E+06  0.1400000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=14
  0.2385647E+08  0.1590431E+06  0.1500000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=15
  0.2544690E+08  0.1590431E+06  0.1600000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=16
  0.2703733E+08  0.1590431E+06  0.1700000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=17
  0.2862776E+08  0.1590431E+06  0.1800000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=18
  0.3021819E+08  0.1590431E+06  0.1900000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=19
  0.3180863E+08  0.1590431E+06  0.2000000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=20
  0.3339906E+08  0.1590431E+06  0.2100000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=21
  0.3498949E+08  0.1590431E+06  0.2200000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=22
  0.3657992E+08  0.1590431E+06  0.2300000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=23
  0.3817035E+08  0.1590431E+06  0.2400000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=24
  0.3976078E+08  0.1590431E+06  0.2500000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=25
  0.4135121E+08  0.1590431E+06  0.2600000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=26
  0.4294164E+08  0.1590431E+06  0.2700000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=27
  0.4453208E+08  0.1590431E+06  0.2800000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=28
  0.4612251E+08  0.1590431E+06  0.2900000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=29
  0.4771294E+08  0.1590431E+06  0.3000000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=30
  0.4930337E+08  0.1590431E+06  0.3100000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=31
  0.5089380E+08  0.1590431E+06  0.3200000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=32
  0.5248423E+08  0.1590431E+06  0.3300000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=33
  0.5407466E+08  0.1590431E+06  0.3400000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=34
  0.5566509E+08  0.1590431E+06  0.3500000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=35
  0.5725553E+08  0.1590431E+06  0.3600000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=36
  0.5884596E+08  0.1590431E+06  0.3700000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=37
  0.6043639E+08  0.1590431E+06  0.3800000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=38
  0.6202682E+08  0.1590431E+06  0.3900000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=39
  0.6361725E+08  0.1590431E+06  0.4000000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=40
  0.6520768E+08  0.1590431E+06  0.4100000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=41
  0.6679811E+08  0.1590431E+06  0.4200000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=42
  0.6838855E+08  0.1590431E+06  0.4300000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=43
  0.6997898E+08  0.1590431E+06  0.4400000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=44
  0.7156941E+08  0.1590431E+06  0.4500000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=45
  0.7315984E+08  0.1590431E+06  0.4600000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=46
  0.7475027E+08  0.1590431E+06  0.4700000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=47
  0.7634070E+08  0.1590431E+06  0.4800000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=48
  0.7793113E+08  0.1590431E+06  0.4900000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=49
  0.7952156E+08  0.1590431E+06  0.5000000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=50
  0.8111200E+08  0.1590431E+06  0.5100000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=51
  0.8270243E+08  0.1590431E+06  0.5200000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=52
  0.8429286E+08  0.1590431E+06  0.5300000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=53
  0.8588329E+08  0.1590431E+06  0.5400000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=54
  0.8747372E+08  0.1590431E+06  0.5500000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=55
  0.8906415E+08  0.1590431E+06  0.5600000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=56
  0.9065458E+08  0.1590431E+06  0.5700000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=57
  0.9224501E+08  0.1590431E+06  0.5800000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=58
  0.9383545E+08  0.1590431E+06  0.5900000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=59
  0.9542588E+08  0.1590431E+06  0.6000000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=60
  0.9701631E+08  0.1590431E+06  0.6100000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=61
  0.9860674E+08  0.1590431E+06  0.6200000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=62
  0.1001972E+09  0.1590431E+06  0.6300000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=63
  0.1017876E+09  0.1590431E+06  0.6400000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=64
  0.1033780E+09  0.1590431E+06  0.6500000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=65
  0.1049685E+09  0.1590431E+06  0.6600000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=66
  0.1065589E+09  0.1590431E+06  0.6700000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=67
  0.1081493E+09  0.1590431E+06  0.6800000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=68
  0.1097398E+09  0.1590431E+06  0.6900000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=69
  0.1113302E+09  0.1590431E+06  0.7000000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=70
  0.1129206E+09  0.1590431E+06  0.7100000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=71
  0.1145111E+09  0.1590431E+06  0.7200000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=72
  0.1161015E+09  0.1590431E+06  0.7300000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=73
  0.1176919E+09  0.1590431E+06  0.7400000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=74
  0.1192823E+09  0.1590431E+06  0.7500000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=75
  0.1208728E+09  0.1590431E+06  0.7600000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=76
  0.1224632E+09  0.1590431E+06  0.7700000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=77
  0.1240536E+09  0.1590431E+06  0.7800000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=78
  0.1256441E+09  0.1590431E+06  0.7900000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=79
  0.1272345E+09  0.1590431E+06  0.8000000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=80
  0.1288249E+09  0.1590431E+06  0.8100000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=81
  0.1304154E+09  0.1590431E+06  0.8200000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=82
  0.1320058E+09  0.1590431E+06  0.8300000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=83
  0.1335962E+09  0.1590431E+06  0.8400000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=84
  0.1351867E+09  0.1590431E+06  0.8500000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=85
  0.1367771E+09  0.1590431E+06  0.8600000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=86
  0.1383675E+09  0.1590431E+06  0.8700000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=87
  0.1399580E+09  0.1590431E+06  0.8800000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=88
  0.1415484E+09  0.1590431E+06  0.8900000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=89
  0.1431388E+09  0.1590431E+06  0.9000000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=90
  0.1447292E+09  0.1590431E+06  0.9100000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=91
  0.1463197E+09  0.1590431E+06  0.9200000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=92
  0.1479101E+09  0.1590431E+06  0.9300000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=93
  0.1495005E+09  0.1590431E+06  0.9400000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=94
  0.1510910E+09  0.1590431E+06  0.9500000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=95
  0.1526814E+09  0.1590431E+06  0.9600000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=96
  0.1542718E+09  0.1590431E+06  0.9700000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=97
  0.1558623E+09  0.1590431E+06  0.9800000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=98
  0.1574527E+09  0.1590431E+06  0.9900000E+03                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=99
  0.1590431E+09  0.1590431E+06  0.1000000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=100
  0.1606336E+09  0.1590431E+06  0.1010000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=101
  0.1622240E+09  0.1590431E+06  0.1020000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=102
  0.1638144E+09  0.1590431E+06  0.1030000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=103
  0.1654049E+09  0.1590431E+06  0.1040000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=104
  0.1669953E+09  0.1590431E+06  0.1050000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=105
  0.1685857E+09  0.1590431E+06  0.1060000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=106
  0.1701761E+09  0.1590431E+06  0.1070000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=107
  0.1717666E+09  0.1590431E+06  0.1080000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=108
  0.1733570E+09  0.1590431E+06  0.1090000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=109
  0.1749474E+09  0.1590431E+06  0.1100000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=110
  0.1765379E+09  0.1590431E+06  0.1110000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=111
  0.1781283E+09  0.1590431E+06  0.1120000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=112
  0.1797187E+09  0.1590431E+06  0.1130000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=113
  0.1813092E+09  0.1590431E+06  0.1140000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=114
  0.1828996E+09  0.1590431E+06  0.1150000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=115
  0.1844900E+09  0.1590431E+06  0.1160000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=116
  0.1860805E+09  0.1590431E+06  0.1170000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=117
  0.1876709E+09  0.1590431E+06  0.1180000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=118
  0.1892613E+09  0.1590431E+06  0.1190000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=119
  0.1908518E+09  0.1590431E+06  0.1200000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=120
  0.1924422E+09  0.1590431E+06  0.1210000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=121
  0.1940326E+09  0.1590431E+06  0.1220000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=122
  0.1956230E+09  0.1590431E+06  0.1230000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=123
  0.1972135E+09  0.1590431E+06  0.1240000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=124
  0.1988039E+09  0.1590431E+06  0.1250000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=125
  0.2003943E+09  0.1590431E+06  0.1260000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=126
  0.2019848E+09  0.1590431E+06  0.1270000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=127
  0.2035752E+09  0.1590431E+06  0.1280000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=128
  0.2051656E+09  0.1590431E+06  0.1290000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=129
  0.2067561E+09  0.1590431E+06  0.1300000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=130
  0.2083465E+09  0.1590431E+06  0.1310000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=131
  0.2099369E+09  0.1590431E+06  0.1320000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=132
  0.2115274E+09  0.1590431E+06  0.1330000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=133
  0.2131178E+09  0.1590431E+06  0.1340000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=134
  0.2147082E+09  0.1590431E+06  0.1350000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=135
  0.2162987E+09  0.1590431E+06  0.1360000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=136
  0.2178891E+09  0.1590431E+06  0.1370000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=137
  0.2194795E+09  0.1590431E+06  0.1380000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=138
  0.2210699E+09  0.1590431E+06  0.1390000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=139
  0.2226604E+09  0.1590431E+06  0.1400000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=140
  0.2242508E+09  0.1590431E+06  0.1410000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=141
  0.2258412E+09  0.1590431E+06  0.1420000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=142
  0.2274317E+09  0.1590431E+06  0.1430000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=143
  0.2290221E+09  0.1590431E+06  0.1440000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=144
  0.2306125E+09  0.1590431E+06  0.1450000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=145
  0.2322030E+09  0.1590431E+06  0.1460000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=146
  0.2337934E+09  0.1590431E+06  0.1470000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=147
  0.2353838E+09  0.1590431E+06  0.1480000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=148
  0.2369743E+09  0.1590431E+06  0.1490000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=149
  0.2385647E+09  0.1590431E+06  0.1500000E+04                                                           Line 5 : Elastic Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=150
    4                                                                           Line 6 : number of output p-y curves
  0.1000000E+01   17                                                                                    Line 7:  p-y curve depth in Loess, no. p-y points on curve no. 1
  0.0000000E+00  0.0000000E+00                                                                          Line 8(1): y, p, for Loess
  0.7429500E-03  0.1503515E+03                                                                          Line 8(2): y, p, for Loess
  0.1485900E-02  0.2494457E+03                                                                          Line 8(3): y, p, for Loess
  0.2228850E-02  0.3207075E+03                                                                          Line 8(4): y, p, for Loess
  0.2971800E-02  0.3748386E+03                                                                          Line 8(5): y, p, for Loess
  0.4457700E-02  0.4520283E+03                                                                          Line 8(6): y, p, for Loess
  0.5943600E-02  0.5044267E+03                                                                          Line 8(7): y, p, for Loess
  0.8915400E-02  0.5704698E+03                                                                          Line 8(8): y, p, for Loess
  0.1188720E-01  0.6098797E+03                                                                          Line 8(9): y, p, for Loess
  0.1783080E-01  0.6542610E+03                                                                          Line 8(10): y, p, for Loess
  0.2377440E-01  0.6786168E+03                                                                          Line 8(11): y, p, for Loess
  0.3566160E-01  0.7047381E+03                                                                          Line 8(12): y, p, for Loess
  0.4754880E-01  0.7185569E+03                                                                          Line 8(13): y, p, for Loess
  0.6835140E-01  0.7316556E+03                                                                          Line 8(14): y, p, for Loess
  0.8915400E-01  0.7388387E+03                                                                          Line 8(15): y, p, for Loess
  0.1188720E+00  0.7448455E+03                                                                          Line 8(16): y, p, for Loess
  0.1485900E+00  0.7484967E+03                                                                          Line 8(17): y, p, for Loess
  0.5000000E+01   17                                                                                    Line 7:  p-y curve depth in Piedmont residual soil, no. p-y points on curve no. 2
  0.0000000E+00  0.0000000E+00                                                                          Line 8(1): y, p, for Piedmont residual soil
  0.6000000E-03  0.4612430E+02                                                                          Line 8(2): y, p, for Piedmont residual soil
  0.2164286E-02  0.1202195E+03                                                                          Line 8(3): y, p, for Piedmont residual soil
  0.3728572E-02  0.1733963E+03                                                                          Line 8(4): y, p, for Piedmont residual soil
  0.5292857E-02  0.2153182E+03                                                                          Line 8(5): y, p, for Piedmont residual soil
  0.6857143E-02  0.2494387E+03                                                                          Line 8(6): y, p, for Piedmont residual soil
  0.8421429E-02  0.2775743E+03                                                                          Line 8(7): y, p, for Piedmont residual soil
  0.9985715E-02  0.3008515E+03                                                                          Line 8(8): y, p, for Piedmont residual soil
  0.1155000E-01  0.3200383E+03                                                                          Line 8(9): y, p, for Piedmont residual soil
  0.1311429E-01  0.3356923E+03                                                                          Line 8(10): y, p, for Piedmont residual soil
  0.1467857E-01  0.3482370E+03                                                                          Line 8(11): y, p, for Piedmont residual soil
  0.1624286E-01  0.3580053E+03                                                                          Line 8(12): y, p, for Piedmont residual soil
  0.1780714E-01  0.3652653E+03                                                                          Line 8(13): y, p, for Piedmont residual soil
  0.1937143E-01  0.3702380E+03                                                                          Line 8(14): y, p, for Piedmont residual soil
  0.2093572E-01  0.3731084E+03                                                                          Line 8(15): y, p, for Piedmont residual soil
  0.2250000E-01  0.3741616E+03                                                                          Line 8(16): y, p, for Piedmont residual soil
  0.2362500E-01  0.3741616E+03                                                                          Line 8(17): y, p, for Piedmont residual soil
  0.9000000E+01   17                                                                                    Line 7:  p-y curve depth in user-input p-y curve, no. p-y points on curve no. 3
  0.0000000E+00  0.0000000E+00                                                                          Line 8( 1): y, p, for user-input p-y curve
  0.1200000E-03  0.4800000E+01                                                                          Line 8( 2): y, p, for user-input p-y curve
  0.7500000E-03  0.3000000E+02                                                                          Line 8( 3): y, p, for user-input p-y curve
  0.1500000E-02  0.6000000E+02                                                                          Line 8( 4): y, p, for user-input p-y curve
  0.2250000E-02  0.9000000E+02                                                                          Line 8( 5): y, p, for user-input p-y curve
  0.3000000E-02  0.1200000E+03                                                                          Line 8( 6): y, p, for user-input p-y curve
  0.3750000E-02  0.1500000E+03                                                                          Line 8( 7): y, p, for user-input p-y curve
  0.4500000E-02  0.1800000E+03                                                                          Line 8( 8): y, p, for user-input p-y curve
  0.5250000E-02  0.2041667E+03                                                                          Line 8( 9): y, p, for user-input p-y curve
  0.6000000E-02  0.2166667E+03                                                                          Line 8(10): y, p, for user-input p-y curve
  0.6750000E-02  0.2291667E+03                                                                          Line 8(11): y, p, for user-input p-y curve
  0.7500000E-02  0.2416667E+03                                                                          Line 8(12): y, p, for user-input p-y curve
  0.8250000E-02  0.2541667E+03                                                                          Line 8(13): y, p, for user-input p-y curve
  0.9000000E-02  0.2666667E+03                                                                          Line 8(14): y, p, for user-input p-y curve
  0.2400000E-01  0.4700000E+03                                                                          Line 8(15): y, p, for user-input p-y curve
  0.4500000E-01  0.5750000E+03                                                                          Line 8(16): y, p, for user-input p-y curve
  0.6000000E-01  0.6500000E+03                                                                          Line 8(17): y, p, for user-input p-y curve
  0.1500000E+02   17                                                                                    Line 7:  p-y curve depth in sand, no. p-y points on curve no. 4
  0.0000000E+00  0.0000000E+00                                                                          Line 8(1): y, p, for sand
  0.2147916E-02  0.1095437E+04                                                                          Line 8(2): y, p, for sand
  0.2861742E-02  0.1304224E+04                                                                          Line 8(3): y, p, for sand
  0.3575567E-02  0.1493326E+04                                                                          Line 8(4): y, p, for sand
  0.4289393E-02  0.1668083E+04                                                                          Line 8(5): y, p, for sand
  0.5003219E-02  0.1831743E+04                                                                          Line 8(6): y, p, for sand
  0.5717045E-02  0.1986467E+04                                                                          Line 8(7): y, p, for sand
  0.6430871E-02  0.2133777E+04                                                                          Line 8(8): y, p, for sand
  0.7144697E-02  0.2274799E+04                                                                          Line 8(9): y, p, for sand
  0.7858522E-02  0.2410395E+04                                                                          Line 8(10): y, p, for sand
  0.8572348E-02  0.2541240E+04                                                                          Line 8(11): y, p, for sand
  0.9286174E-02  0.2667876E+04                                                                          Line 8(12): y, p, for sand
  0.1000000E-01  0.2790750E+04                                                                          Line 8(13): y, p, for sand
  0.1625000E-01  0.3851235E+04                                                                          Line 8(14): y, p, for sand
  0.2250000E-01  0.4911720E+04                                                                          Line 8(15): y, p, for sand
  0.2306250E-01  0.4911720E+04                                                                          Line 8(16): y, p, for sand
  0.2362500E-01  0.4911720E+04                                                                          Line 8(17): y, p, for sand
    3  101    2                                                                                         Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI
  0.0000000E+00  0.2627333E-02  0.5173047E-11  0.2000000E+03 -0.1129655E+03  0.1590431E+06              Line 10(  1) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2000000E+00  0.2272364E-02  0.3774069E+02  0.1743421E+03 -0.1436140E+03  0.1590431E+06              Line 10(  2) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4000000E+00  0.1926888E-02  0.6973682E+02  0.1431655E+03 -0.1681515E+03  0.1590431E+06              Line 10(  3) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6000000E+00  0.1598950E-02  0.9500689E+02  0.1078416E+03 -0.1850872E+03  0.1590431E+06              Line 10(  4) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8000000E+00  0.1294907E-02  0.1128735E+03  0.7001658E+02 -0.1931634E+03  0.1590431E+06              Line 10(  5) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1000000E+01  0.1019252E-02  0.1230135E+03  0.3154906E+02 -0.1915118E+03  0.1590431E+06              Line 10(  6) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1200000E+01  0.7745358E-03  0.1254931E+03  0.4120938E+00 -0.1198579E+03  0.1590431E+06              Line 10(  7) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1400000E+01  0.5613814E-03  0.1231784E+03 -0.2106687E+02 -0.9493165E+02  0.1590431E+06              Line 10(  8) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1600000E+01  0.3792069E-03  0.1170664E+03 -0.3752584E+02 -0.6965806E+02  0.1590431E+06              Line 10(  9) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1800000E+01  0.2264751E-03  0.1081680E+03 -0.4898032E+02 -0.4488681E+02  0.1590431E+06              Line 10( 10) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2000000E+01  0.1009479E-03  0.9747423E+02 -0.5561210E+02 -0.2143098E+02  0.1590431E+06              Line 10( 11) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2200000E+01 -0.6402437E-07  0.8592319E+02 -0.5775375E+02  0.1445036E-01  0.1590431E+06              Line 10( 12) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2400000E+01 -0.7946596E-04  0.7437272E+02 -0.5596734E+02  0.1784972E+02  0.1590431E+06              Line 10( 13) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2600000E+01 -0.1401628E-03  0.6353625E+02 -0.5102745E+02  0.3154911E+02  0.1590431E+06              Line 10( 14) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2800000E+01 -0.1848801E-03  0.5396174E+02 -0.4367967E+02  0.4192873E+02  0.1590431E+06              Line 10( 15) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3000000E+01 -0.2160258E-03  0.4606438E+02 -0.3824129E+02  0.1245505E+02  0.1590431E+06              Line 10( 16) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3200000E+01 -0.2355861E-03  0.3866523E+02 -0.3559223E+02  0.1403556E+02  0.1590431E+06              Line 10( 17) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3400000E+01 -0.2454219E-03  0.3182749E+02 -0.3267935E+02  0.1509322E+02  0.1590431E+06              Line 10( 18) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3600000E+01 -0.2472529E-03  0.2559348E+02 -0.2960193E+02  0.1568101E+02  0.1590431E+06              Line 10( 19) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3800000E+01 -0.2426471E-03  0.1998672E+02 -0.2644831E+02  0.1585523E+02  0.1590431E+06              Line 10( 20) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4000000E+01 -0.2330146E-03  0.1501416E+02 -0.2329542E+02  0.1567363E+02  0.1590431E+06              Line 10( 21) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4200000E+01 -0.2196059E-03  0.1066855E+02 -0.2020868E+02  0.1519376E+02  0.1590431E+06              Line 10( 22) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4400000E+01 -0.2035141E-03  0.6930688E+01 -0.1724215E+02  0.1447154E+02  0.1590431E+06              Line 10( 23) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4600000E+01 -0.1856792E-03  0.3771688E+01 -0.1443898E+02  0.1356018E+02  0.1590431E+06              Line 10( 24) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4800000E+01 -0.1668956E-03  0.1155096E+01 -0.1183205E+02  0.1250916E+02  0.1590431E+06              Line 10( 25) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5000000E+01 -0.1478216E-03 -0.9611304E+00 -0.9444770E+01  0.1136361E+02  0.1590431E+06              Line 10( 26) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5200000E+01 -0.1289893E-03 -0.2622812E+01 -0.7292029E+01  0.1016380E+02  0.1590431E+06              Line 10( 27) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5400000E+01 -0.1108166E-03 -0.3877942E+01 -0.5381166E+01  0.8944841E+01  0.1590431E+06              Line 10( 28) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5600000E+01 -0.9361925E-04 -0.4775278E+01 -0.3713018E+01  0.7736635E+01  0.1590431E+06              Line 10( 29) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5800000E+01 -0.7762290E-04 -0.5363149E+01 -0.2282966E+01  0.6563886E+01  0.1590431E+06              Line 10( 30) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6000000E+01 -0.6297540E-04 -0.5688465E+01 -0.1081947E+01  0.5446305E+01  0.1590431E+06              Line 10( 31) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6200000E+01 -0.4975858E-04 -0.5795928E+01 -0.9742573E-01  0.4398903E+01  0.1590431E+06              Line 10( 32) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6400000E+01 -0.3799946E-04 -0.5727435E+01  0.6857013E+00  0.3432367E+01  0.1590431E+06              Line 10( 33) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6600000E+01 -0.2768081E-04 -0.5521647E+01  0.1284290E+01  0.2553516E+01  0.1590431E+06              Line 10( 34) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6800000E+01 -0.1875087E-04 -0.5213719E+01  0.1716219E+01  0.1765778E+01  0.1590431E+06              Line 10( 35) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7000000E+01 -0.1113221E-04 -0.4835160E+01  0.1926193E+01  0.3339664E+00  0.1590431E+06              Line 10( 36) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7200000E+01 -0.4729614E-05 -0.4443242E+01  0.1974252E+01  0.1466180E+00  0.1590431E+06              Line 10( 37) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7400000E+01  0.5554905E-06 -0.4045459E+01  0.1987136E+01 -0.1777570E-01  0.1590431E+06              Line 10( 38) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7600000E+01  0.4823146E-05 -0.3648387E+01  0.1969442E+01 -0.1591638E+00  0.1590431E+06              Line 10( 39) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7800000E+01  0.8173217E-05 -0.3257682E+01  0.1925737E+01 -0.2778894E+00  0.1590431E+06              Line 10( 40) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8000000E+01  0.1070397E-04 -0.2878093E+01  0.1860484E+01 -0.3746389E+00  0.1590431E+06              Line 10( 41) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8200000E+01  0.1251087E-04 -0.2513489E+01  0.1777981E+01 -0.4503912E+00  0.1590431E+06              Line 10( 42) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8400000E+01  0.1368561E-04 -0.2166900E+01  0.1682305E+01 -0.5063676E+00  0.1590431E+06              Line 10( 43) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8600000E+01  0.1431537E-04 -0.1840567E+01  0.1577270E+01 -0.5439841E+00  0.1590431E+06              Line 10( 44) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8800000E+01  0.1448222E-04 -0.1535992E+01  0.1466391E+01 -0.5648067E+00  0.1590431E+06              Line 10( 45) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9000000E+01  0.1426277E-04 -0.1254010E+01  0.1352859E+01 -0.5705107E+00  0.1590431E+06              Line 10( 46) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9200000E+01  0.1372792E-04 -0.9948487E+00  0.1239524E+01 -0.5628447E+00  0.1590431E+06              Line 10( 47) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9400000E+01  0.1294287E-04 -0.7582009E+00  0.1128879E+01 -0.5436004E+00  0.1590431E+06              Line 10( 48) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9600000E+01  0.1196712E-04 -0.5432971E+00  0.1023060E+01 -0.5145862E+00  0.1590431E+06              Line 10( 49) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9800000E+01  0.1085473E-04 -0.3489767E+00  0.9238409E+00 -0.4776083E+00  0.1590431E+06              Line 10( 50) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1000000E+02  0.9654579E-05 -0.1737607E+00  0.8326345E+00 -0.4344560E+00  0.1590431E+06              Line 10( 51) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1020000E+02  0.8410722E-05 -0.1592291E-01  0.7504996E+00 -0.3868932E+00  0.1590431E+06              Line 10( 52) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1040000E+02  0.7162860E-05  0.1264391E+00  0.6781448E+00 -0.3366544E+00  0.1590431E+06              Line 10( 53) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1060000E+02  0.5946798E-05  0.2553350E+00  0.6159348E+00 -0.2854463E+00  0.1590431E+06              Line 10( 54) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1080000E+02  0.4794954E-05  0.3728130E+00  0.5638949E+00 -0.2349527E+00  0.1590431E+06              Line 10( 55) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1100000E+02  0.3736874E-05  0.4808930E+00  0.4006405E+00 -0.1397591E+01  0.1590431E+06              Line 10( 56) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1120000E+02  0.2799740E-05  0.5330692E+00  0.1542673E+00 -0.1066141E+01  0.1590431E+06              Line 10( 57) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1140000E+02  0.1996676E-05  0.5425999E+00 -0.2973795E-01 -0.7739116E+00  0.1590431E+06              Line 10( 58) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1160000E+02  0.1330078E-05  0.5211741E+00 -0.1595874E+00 -0.5245826E+00  0.1590431E+06              Line 10( 59) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1180000E+02  0.7945567E-06  0.4787649E+00 -0.2439232E+00 -0.3187762E+00  0.1590431E+06              Line 10( 60) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1200000E+02  0.3794472E-06  0.4236048E+00 -0.2912823E+00 -0.1548145E+00  0.1590431E+06              Line 10( 61) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1220000E+02  0.7087605E-07  0.3622520E+00 -0.3097037E+00 -0.2939938E-01  0.1590431E+06              Line 10( 62) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1240000E+02 -0.1465873E-06  0.2997233E+00 -0.3064635E+00  0.6180119E-01  0.1590431E+06              Line 10( 63) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1260000E+02 -0.2886689E-06  0.2396666E+00 -0.2879168E+00  0.1236658E+00  0.1590431E+06              Line 10( 64) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1280000E+02 -0.3704735E-06  0.1845566E+00 -0.2594272E+00  0.1612301E+00  0.1590431E+06              Line 10( 65) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1300000E+02 -0.4058613E-06  0.1358957E+00 -0.2253652E+00  0.1793907E+00  0.1590431E+06              Line 10( 66) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1320000E+02 -0.4070707E-06  0.9441049E-01 -0.1891568E+00  0.1826933E+00  0.1590431E+06              Line 10( 67) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1340000E+02 -0.3845356E-06  0.6023300E-01 -0.1533680E+00  0.1751944E+00  0.1590431E+06              Line 10( 68) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1360000E+02 -0.3468516E-06  0.3306330E-01 -0.1198101E+00  0.1603842E+00  0.1590431E+06              Line 10( 69) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1380000E+02 -0.3008520E-06  0.1230895E-01 -0.8965574E-01  0.1411598E+00  0.1590431E+06              Line 10( 70) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1400000E+02 -0.2517567E-06 -0.2798999E-02 -0.6355614E-01  0.1198362E+00  0.1590431E+06              Line 10( 71) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1420000E+02 -0.2033654E-06 -0.1311350E-01 -0.4175404E-01  0.9818480E-01  0.1590431E+06              Line 10( 72) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1440000E+02 -0.1582721E-06 -0.1950062E-01 -0.2418656E-01  0.7749003E-01  0.1590431E+06              Line 10( 73) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1460000E+02 -0.1180833E-06 -0.2278813E-01 -0.1057590E-01  0.5861657E-01  0.1590431E+06              Line 10( 74) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1480000E+02 -0.8362589E-07 -0.2373097E-01 -0.5061855E-03  0.4208055E-01  0.1590431E+06              Line 10( 75) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1500000E+02 -0.5513687E-07 -0.2299060E-01  0.6513850E-02  0.2811980E-01  0.1590431E+06              Line 10( 76) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1520000E+02 -0.3243008E-07 -0.2112543E-01  0.1100182E-01  0.1675987E-01  0.1590431E+06              Line 10( 77) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1540000E+02 -0.1503643E-07 -0.1858987E-01  0.1346511E-01  0.7873073E-02  0.1590431E+06              Line 10( 78) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1560000E+02 -0.2318199E-08 -0.1573939E-01  0.1437538E-01  0.1229573E-02  0.1590431E+06              Line 10( 79) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1580000E+02  0.6441506E-08 -0.1283972E-01  0.1415229E-01 -0.3460377E-02  0.1590431E+06              Line 10( 80) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1600000E+02  0.1197197E-07 -0.1007847E-01  0.1315498E-01 -0.6512751E-02  0.1590431E+06              Line 10( 81) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1620000E+02  0.1496765E-07 -0.7577730E-02  0.1167929E-01 -0.8244183E-02  0.1590431E+06              Line 10( 82) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1640000E+02  0.1605751E-07 -0.5406756E-02  0.9959504E-02 -0.8953667E-02  0.1590431E+06              Line 10( 83) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1660000E+02  0.1578754E-07 -0.3593929E-02  0.8173088E-02 -0.8910488E-02  0.1590431E+06              Line 10( 84) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1680000E+02  0.1461369E-07 -0.2137521E-02  0.6447306E-02 -0.8347338E-02  0.1590431E+06              Line 10( 85) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1700000E+02  0.1290224E-07 -0.1015007E-02  0.4866823E-02 -0.7457493E-02  0.1590431E+06              Line 10( 86) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1720000E+02  0.1093551E-07 -0.1907920E-03  0.3481565E-02 -0.6395086E-02  0.1590431E+06              Line 10( 87) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1740000E+02  0.8920796E-08  0.3776192E-03  0.2314302E-02 -0.5277543E-02  0.1590431E+06              Line 10( 88) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1760000E+02  0.7001055E-08  0.7349288E-03  0.1367604E-02 -0.4189432E-02  0.1590431E+06              Line 10( 89) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1780000E+02  0.5266153E-08  0.9246610E-03  0.6299537E-03 -0.3187076E-02  0.1590431E+06              Line 10( 90) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1800000E+02  0.3763806E-08  0.9869102E-03  0.8090121E-04 -0.2303449E-02  0.1590431E+06              Line 10( 91) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1820000E+02  0.2509671E-08  0.9570215E-03 -0.3047422E-03 -0.1552985E-02  0.1590431E+06              Line 10( 92) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1840000E+02  0.1496231E-08  0.8650134E-03 -0.5536449E-03 -0.9360424E-03  0.1590431E+06              Line 10( 93) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1860000E+02  0.7003460E-09  0.7355635E-03 -0.6915390E-03 -0.4428988E-03  0.1590431E+06              Line 10( 94) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1880000E+02  0.8945779E-10  0.5883978E-03 -0.7415470E-03 -0.5718142E-04  0.1590431E+06              Line 10( 95) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1900000E+02 -0.3734460E-09  0.4389447E-03 -0.7231406E-03  0.2412461E-03  0.1590431E+06              Line 10( 96) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1920000E+02 -0.7259533E-09  0.2991415E-03 -0.6516257E-03  0.4739023E-03  0.1590431E+06              Line 10( 97) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1940000E+02 -0.1003225E-08  0.1782944E-03 -0.5380627E-03  0.6617274E-03  0.1590431E+06              Line 10( 98) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1960000E+02 -0.1235656E-08  0.8391644E-04 -0.3895459E-03  0.8234409E-03  0.1590431E+06              Line 10( 99) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1980000E+02 -0.1446980E-08  0.2247608E-04 -0.2097911E-03  0.9741073E-03  0.1590431E+06              Line 10(100) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2000000E+02 -0.1652653E-08  0.0000000E+00  0.0000000E+00  0.1123804E-02  0.1590431E+06              Line 10(101) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
    0                                                                                                   Line 11: Num. points on Ytop vs. Length curve for load case 1
  0.0000000E+00  0.1016253E-02 -0.1614376E+03  0.2000000E+03 -0.6142353E+02  0.1590431E+06              Line 10(  1) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2000000E+00  0.9959523E-03 -0.1226660E+03  0.1855203E+03 -0.8337392E+02  0.1590431E+06              Line 10(  2) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4000000E+00  0.9448002E-03 -0.8722947E+02  0.1668401E+03 -0.1034275E+03  0.1590431E+06              Line 10(  3) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6000000E+00  0.8717095E-03 -0.5593000E+02  0.1444562E+03 -0.1204112E+03  0.1590431E+06              Line 10(  4) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8000000E+00  0.7845522E-03 -0.2944698E+02  0.1190749E+03 -0.1334024E+03  0.1590431E+06              Line 10(  5) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1000000E+01  0.6899888E-03 -0.8300047E+01  0.9156012E+02 -0.1417453E+03  0.1590431E+06              Line 10(  6) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1200000E+01  0.5933380E-03  0.7177071E+01  0.6771527E+02 -0.9670322E+02  0.1590431E+06              Line 10(  7) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1400000E+01  0.4984922E-03  0.1878606E+02  0.4945397E+02 -0.8590975E+02  0.1590431E+06              Line 10(  8) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1600000E+01  0.4083712E-03  0.2695866E+02  0.3343038E+02 -0.7432616E+02  0.1590431E+06              Line 10(  9) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1800000E+01  0.3250304E-03  0.3215821E+02  0.1976241E+02 -0.6235352E+02  0.1590431E+06              Line 10( 10) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2000000E+01  0.2497775E-03  0.3486362E+02  0.8489164E+01 -0.5037897E+02  0.1590431E+06              Line 10( 11) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2200000E+01  0.1832930E-03  0.3555388E+02 -0.4243462E+00 -0.3875613E+02  0.1590431E+06              Line 10( 12) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2400000E+01  0.1257504E-03  0.3469389E+02 -0.7078655E+01 -0.2778696E+02  0.1590431E+06              Line 10( 13) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2600000E+01  0.7693344E-04  0.3272242E+02 -0.1162821E+02 -0.1770861E+02  0.1590431E+06              Line 10( 14) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2800000E+01  0.3634633E-04  0.3004260E+02 -0.1426780E+02 -0.8687249E+01  0.1590431E+06              Line 10( 15) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3000000E+01  0.3315053E-05  0.2701530E+02 -0.1515564E+02 -0.1911306E+00  0.1590431E+06              Line 10( 16) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3200000E+01 -0.2292176E-04  0.2398035E+02 -0.1503819E+02  0.1365615E+01  0.1590431E+06              Line 10( 17) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3400000E+01 -0.4312742E-04  0.2100002E+02 -0.1463640E+02  0.2652296E+01  0.1590431E+06              Line 10( 18) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3600000E+01 -0.5805149E-04  0.1812579E+02 -0.1400300E+02  0.3681678E+01  0.1590431E+06              Line 10( 19) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3800000E+01 -0.6841685E-04  0.1539882E+02 -0.1318778E+02  0.4470545E+01  0.1590431E+06              Line 10( 20) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4000000E+01 -0.7490934E-04  0.1285068E+02 -0.1223685E+02  0.5038747E+01  0.1590431E+06              Line 10( 21) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4200000E+01 -0.7816983E-04  0.1050408E+02 -0.1119214E+02  0.5408293E+01  0.1590431E+06              Line 10( 22) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4400000E+01 -0.7878850E-04  0.8373820E+01 -0.1009106E+02  0.5602516E+01  0.1590431E+06              Line 10( 23) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4600000E+01 -0.7730113E-04  0.6467658E+01 -0.8966280E+01  0.5645312E+01  0.1590431E+06              Line 10( 24) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4800000E+01 -0.7418711E-04  0.4787308E+01 -0.7845701E+01  0.5560471E+01  0.1590431E+06              Line 10( 25) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5000000E+01 -0.6986906E-04  0.3329378E+01 -0.6752544E+01  0.5371102E+01  0.1590431E+06              Line 10( 26) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5200000E+01 -0.6471366E-04  0.2086291E+01 -0.5705518E+01  0.5099157E+01  0.1590431E+06              Line 10( 27) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5400000E+01 -0.5903355E-04  0.1047170E+01 -0.4719098E+01  0.4765042E+01  0.1590431E+06              Line 10( 28) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5600000E+01 -0.5309007E-04  0.1986516E+00 -0.3803861E+01  0.4387330E+01  0.1590431E+06              Line 10( 29) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5800000E+01 -0.4709663E-04 -0.4743740E+00 -0.2966873E+01  0.3982548E+01  0.1590431E+06              Line 10( 30) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6000000E+01 -0.4122250E-04 -0.9880977E+00 -0.2212114E+01  0.3565048E+01  0.1590431E+06              Line 10( 31) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6200000E+01 -0.3559687E-04 -0.1359219E+01 -0.1540915E+01  0.3146938E+01  0.1590431E+06              Line 10( 32) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6400000E+01 -0.3031310E-04 -0.1604464E+01 -0.9524129E+00  0.2738084E+01  0.1590431E+06              Line 10( 33) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6600000E+01 -0.2543286E-04 -0.1740185E+01 -0.4439899E+00  0.2346145E+01  0.1590431E+06              Line 10( 34) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6800000E+01 -0.2099028E-04 -0.1782060E+01 -0.1170904E-01  0.1976664E+01  0.1590431E+06              Line 10( 35) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7000000E+01 -0.1699589E-04 -0.1744868E+01  0.2369450E+00  0.5098768E+00  0.1590431E+06              Line 10( 36) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7200000E+01 -0.1344035E-04 -0.1687282E+01  0.3295978E+00  0.4166508E+00  0.1590431E+06              Line 10( 37) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7400000E+01 -0.1030916E-04 -0.1613029E+01  0.4042522E+00  0.3298932E+00  0.1590431E+06              Line 10( 38) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7600000E+01 -0.7583661E-05 -0.1525581E+01  0.4622676E+00  0.2502608E+00  0.1590431E+06              Line 10( 39) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7800000E+01 -0.5241849E-05 -0.1428122E+01  0.5051159E+00  0.1782229E+00  0.1590431E+06              Line 10( 40) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8000000E+01 -0.3259216E-05 -0.1323534E+01  0.5343455E+00  0.1140726E+00  0.1590431E+06              Line 10( 41) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8200000E+01 -0.1609457E-05 -0.1214384E+01  0.5515468E+00  0.5794045E-01  0.1590431E+06              Line 10( 42) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8400000E+01 -0.2651205E-06 -0.1102916E+01  0.5583218E+00  0.9809460E-02  0.1590431E+06              Line 10( 43) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8600000E+01  0.8018281E-06 -0.9910552E+00  0.5562558E+00 -0.3046947E-01  0.1590431E+06              Line 10( 44) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8800000E+01  0.1619522E-05 -0.8804134E+00  0.5468927E+00 -0.6316137E-01  0.1590431E+06              Line 10( 45) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9000000E+01  0.2215789E-05 -0.7722981E+00  0.5317134E+00 -0.8863155E-01  0.1590431E+06              Line 10( 46) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9200000E+01  0.2617819E-05 -0.6677281E+00  0.5121172E+00 -0.1073306E+00  0.1590431E+06              Line 10( 47) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9400000E+01  0.2851913E-05 -0.5674513E+00  0.4894061E+00 -0.1197804E+00  0.1590431E+06              Line 10( 48) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9600000E+01  0.2943291E-05 -0.4719657E+00  0.4647719E+00 -0.1265615E+00  0.1590431E+06              Line 10( 49) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9800000E+01  0.2915967E-05 -0.3815425E+00  0.4392855E+00 -0.1283026E+00  0.1590431E+06              Line 10( 50) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1000000E+02  0.2792684E-05 -0.2962515E+00  0.4138882E+00 -0.1256708E+00  0.1590431E+06              Line 10( 51) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1020000E+02  0.2594893E-05 -0.2159872E+00  0.3893846E+00 -0.1193651E+00  0.1590431E+06              Line 10( 52) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1040000E+02  0.2342779E-05 -0.1404976E+00  0.3664370E+00 -0.1101106E+00  0.1590431E+06              Line 10( 53) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1060000E+02  0.2055330E-05 -0.6941244E-01  0.3455604E+00 -0.9865586E-01  0.1590431E+06              Line 10( 54) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1080000E+02  0.1750424E-05 -0.2273492E-02  0.3271177E+00 -0.8577078E-01  0.1590431E+06              Line 10( 55) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1100000E+02  0.1444946E-05  0.6143463E-01  0.2644996E+00 -0.5404097E+00  0.1590431E+06              Line 10( 56) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1120000E+02  0.1154919E-05  0.1035264E+00  0.1664794E+00 -0.4397930E+00  0.1590431E+06              Line 10( 57) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1140000E+02  0.8909286E-06  0.1280264E+00  0.8796768E-01 -0.3453239E+00  0.1590431E+06              Line 10( 58) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1160000E+02  0.6591379E-06  0.1387134E+00  0.2743889E-01 -0.2599640E+00  0.1590431E+06              Line 10( 59) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1180000E+02  0.4622341E-06  0.1390019E+00 -0.1710234E-01 -0.1854483E+00  0.1590431E+06              Line 10( 60) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1200000E+02  0.3002899E-06  0.1318725E+00 -0.4789900E-01 -0.1225183E+00  0.1590431E+06              Line 10( 61) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1220000E+02  0.1715122E-06  0.1198423E+00 -0.6726516E-01 -0.7114327E-01  0.1590431E+06              Line 10( 62) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1240000E+02  0.7287535E-07  0.1049664E+00 -0.7745191E-01 -0.3072425E-01  0.1590431E+06              Line 10( 63) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1260000E+02  0.6379676E-09  0.8886157E-01 -0.8055167E-01 -0.2733053E-03  0.1590431E+06              Line 10( 64) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1280000E+02 -0.4925037E-07  0.7274577E-01 -0.7843562E-01  0.2143376E-01  0.1590431E+06              Line 10( 65) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1300000E+02 -0.8084285E-07  0.5748732E-01 -0.7271899E-01  0.3573254E-01  0.1590431E+06              Line 10( 66) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1320000E+02 -0.9797703E-07  0.4365817E-01 -0.6474853E-01  0.4397209E-01  0.1590431E+06              Line 10( 67) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1340000E+02 -0.1041310E-06  0.3158791E-01 -0.5560711E-01  0.4744208E-01  0.1590431E+06              Line 10( 68) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1360000E+02 -0.1023405E-06  0.2141532E-01 -0.4613068E-01  0.4732224E-01  0.1590431E+06              Line 10( 69) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1380000E+02 -0.9516392E-07  0.1313563E-01 -0.3693337E-01  0.4465091E-01  0.1590431E+06              Line 10( 70) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1400000E+02 -0.8468370E-07  0.6641977E-02 -0.2843733E-01  0.4030944E-01  0.1590431E+06              Line 10( 71) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1420000E+02 -0.7253299E-07  0.1760700E-02 -0.2090450E-01  0.3501893E-01  0.1590431E+06              Line 10( 72) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1440000E+02 -0.5993946E-07 -0.1719821E-02 -0.1446797E-01  0.2934636E-01  0.1590431E+06              Line 10( 73) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1460000E+02 -0.4777847E-07 -0.4026487E-02 -0.9161608E-02  0.2371723E-01  0.1590431E+06              Line 10( 74) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1480000E+02 -0.3663016E-07 -0.5384464E-02 -0.4946655E-02  0.1843229E-01  0.1590431E+06              Line 10( 75) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1500000E+02 -0.2683606E-07 -0.6005149E-02 -0.1734787E-02  0.1368639E-01  0.1590431E+06              Line 10( 76) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1520000E+02 -0.1855228E-07 -0.6078379E-02  0.5926339E-03  0.9587819E-02  0.1590431E+06              Line 10( 77) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1540000E+02 -0.1179724E-07 -0.5768096E-02  0.2169119E-02  0.6177035E-02  0.1590431E+06              Line 10( 78) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1560000E+02 -0.6492900E-08 -0.5210731E-02  0.3131206E-02  0.3443834E-02  0.1590431E+06              Line 10( 79) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1580000E+02 -0.2499080E-08 -0.4515613E-02  0.3609840E-02  0.1342506E-02  0.1590431E+06              Line 10( 80) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1600000E+02  0.3590448E-09 -0.3766795E-02  0.3724559E-02 -0.1953204E-03  0.1590431E+06              Line 10( 81) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1620000E+02  0.2269805E-08 -0.3025790E-02  0.3580006E-02 -0.1250209E-02  0.1590431E+06              Line 10( 82) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1640000E+02  0.3419567E-08 -0.2334793E-02  0.3264310E-02 -0.1906751E-02  0.1590431E+06              Line 10( 83) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1660000E+02  0.3982119E-08 -0.1720066E-02  0.2848884E-02 -0.2247508E-02  0.1590431E+06              Line 10( 84) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1680000E+02  0.4112068E-08 -0.1195239E-02  0.2389252E-02 -0.2348813E-02  0.1590431E+06              Line 10( 85) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1700000E+02  0.3941409E-08 -0.7643649E-03  0.1926557E-02 -0.2278134E-02  0.1590431E+06              Line 10( 86) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1720000E+02  0.3578509E-08 -0.4246161E-03  0.1489473E-02 -0.2092712E-02  0.1590431E+06              Line 10( 87) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1740000E+02  0.3108816E-08 -0.1685759E-03  0.1096284E-02 -0.1839176E-02  0.1590431E+06              Line 10( 88) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1760000E+02  0.2596726E-08  0.1389738E-04  0.7569782E-03 -0.1553881E-02  0.1590431E+06              Line 10( 89) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1780000E+02  0.2088131E-08  0.1342154E-03  0.4752164E-03 -0.1263737E-02  0.1590431E+06              Line 10( 90) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1800000E+02  0.1613292E-08  0.2039839E-03  0.2501092E-03 -0.9873346E-03  0.1590431E+06              Line 10( 91) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1820000E+02  0.1189755E-08  0.2342591E-03  0.7775372E-04 -0.7362206E-03  0.1590431E+06              Line 10( 92) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1840000E+02  0.8251361E-09  0.2350854E-03 -0.4748885E-04 -0.5162051E-03  0.1590431E+06              Line 10( 93) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1860000E+02  0.5196417E-09  0.2152636E-03 -0.1319715E-03 -0.3286214E-03  0.1590431E+06              Line 10( 94) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1880000E+02  0.2682871E-09  0.1822968E-03 -0.1819826E-03 -0.1714891E-03  0.1590431E+06              Line 10( 95) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1900000E+02  0.6278080E-10  0.1424705E-03 -0.2031871E-03 -0.4055640E-04  0.1590431E+06              Line 10( 96) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1920000E+02 -0.1068935E-09  0.1010220E-03 -0.2002647E-03  0.6978011E-04  0.1590431E+06              Line 10( 97) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1940000E+02 -0.2511604E-09  0.6236464E-04 -0.1767202E-03  0.1656654E-03  0.1590431E+06              Line 10( 98) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1960000E+02 -0.3797424E-09  0.3033391E-04 -0.1348476E-03  0.2530603E-03  0.1590431E+06              Line 10( 99) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1980000E+02 -0.5006952E-09  0.8425594E-05 -0.7583477E-04  0.3370680E-03  0.1590431E+06              Line 10(100) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2000000E+02 -0.6195290E-09  0.0000000E+00  0.0000000E+00  0.4212797E-03  0.1590431E+06              Line 10(101) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
    0                                                                                                   Line 11: Num. points on Ytop vs. Length curve for load case 2
  0.0000000E+00  0.1000000E-01  0.0000000E+00  0.4875398E+03 -0.1886769E+03  0.1590431E+06              Line 10(  1) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2000000E+00  0.8811519E-02  0.9373443E+02  0.4434857E+03 -0.2518644E+03  0.1590431E+06              Line 10(  2) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4000000E+00  0.7646613E-02  0.1773943E+03  0.3870540E+03 -0.3124527E+03  0.1590431E+06              Line 10(  3) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6000000E+00  0.6526322E-02  0.2485560E+03  0.3189937E+03 -0.3681503E+03  0.1590431E+06              Line 10(  4) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8000000E+00  0.5468544E-02  0.3049918E+03  0.2405607E+03 -0.4161798E+03  0.1590431E+06              Line 10(  5) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1000000E+01  0.4487473E-02  0.3447803E+03  0.1536144E+03 -0.4532832E+03  0.1590431E+06              Line 10(  6) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1200000E+01  0.3593115E-02  0.3664375E+03  0.7656845E+02 -0.3171761E+03  0.1590431E+06              Line 10(  7) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1400000E+01  0.2790918E-02  0.3754077E+03  0.1607879E+02 -0.2877205E+03  0.1590431E+06              Line 10(  8) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1600000E+01  0.2083137E-02  0.3728690E+03 -0.3780025E+02 -0.2510699E+03  0.1590431E+06              Line 10(  9) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1800000E+01  0.1469135E-02  0.3602876E+03 -0.8359801E+02 -0.2069077E+03  0.1590431E+06              Line 10( 10) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2000000E+01  0.9457460E-03  0.3394298E+03 -0.1198149E+03 -0.1552615E+03  0.1590431E+06              Line 10( 11) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2200000E+01  0.5077253E-03  0.3123616E+03 -0.1450103E+03 -0.9669189E+02  0.1590431E+06              Line 10( 12) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2400000E+01  0.1482648E-03  0.2814257E+03 -0.1579301E+03 -0.3250680E+02  0.1590431E+06              Line 10( 13) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2600000E+01 -0.1404159E-03  0.2491896E+03 -0.1580207E+03  0.3160154E+02  0.1590431E+06              Line 10( 14) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2800000E+01 -0.3664244E-03  0.2182174E+03 -0.1470354E+03  0.7825085E+02  0.1590431E+06              Line 10( 15) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3000000E+01 -0.5375504E-03  0.1903754E+03 -0.1361111E+03  0.3099267E+02  0.1590431E+06              Line 10( 16) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3200000E+01 -0.6607961E-03  0.1637730E+03 -0.1291573E+03  0.3854489E+02  0.1590431E+06              Line 10( 17) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3400000E+01 -0.7428523E-03  0.1387124E+03 -0.1209455E+03  0.4357307E+02  0.1590431E+06              Line 10( 18) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3600000E+01 -0.7900218E-03  0.1153948E+03 -0.1118761E+03  0.4712120E+02  0.1590431E+06              Line 10( 19) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3800000E+01 -0.8081689E-03  0.9396201E+02 -0.1022235E+03  0.4940514E+02  0.1590431E+06              Line 10( 20) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4000000E+01 -0.8026842E-03  0.7450542E+02 -0.9222368E+02  0.5059272E+02  0.1590431E+06              Line 10( 21) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4200000E+01 -0.7784611E-03  0.5707254E+02 -0.8208192E+02  0.5082482E+02  0.1590431E+06              Line 10( 22) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4400000E+01 -0.7398841E-03  0.4167265E+02 -0.7197681E+02  0.5022634E+02  0.1590431E+06              Line 10( 23) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4600000E+01 -0.6908262E-03  0.2828181E+02 -0.6206296E+02  0.4891210E+02  0.1590431E+06              Line 10( 24) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4800000E+01 -0.6346553E-03  0.1684746E+02 -0.5247276E+02  0.4698999E+02  0.1590431E+06              Line 10( 25) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5000000E+01 -0.5742471E-03  0.7292712E+01 -0.4335930E+02  0.4414458E+02  0.1590431E+06              Line 10( 26) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5200000E+01 -0.5120049E-03 -0.4962558E+00 -0.3491046E+02  0.4034377E+02  0.1590431E+06              Line 10( 27) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5400000E+01 -0.4498874E-03 -0.6671473E+01 -0.2724471E+02  0.3631380E+02  0.1590431E+06              Line 10( 28) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5600000E+01 -0.3894479E-03 -0.1139414E+02 -0.2039495E+02  0.3218373E+02  0.1590431E+06              Line 10( 29) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5800000E+01 -0.3318740E-03 -0.1482945E+02 -0.1437021E+02  0.2806367E+02  0.1590431E+06              Line 10( 30) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6000000E+01 -0.2780298E-03 -0.1714222E+02 -0.9159360E+01  0.2404487E+02  0.1590431E+06              Line 10( 31) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6200000E+01 -0.2284970E-03 -0.1849320E+02 -0.4734848E+01  0.2020025E+02  0.1590431E+06              Line 10( 32) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6400000E+01 -0.1836152E-03 -0.1903616E+02 -0.1056286E+01  0.1658537E+02  0.1590431E+06              Line 10( 33) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6600000E+01 -0.1435211E-03 -0.1891571E+02  0.1926212E+01  0.1323962E+02  0.1590431E+06              Line 10( 34) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6800000E+01 -0.1081844E-03 -0.1826568E+02  0.4268952E+01  0.1018778E+02  0.1590431E+06              Line 10( 35) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7000000E+01 -0.7744164E-04 -0.1720813E+02  0.5520055E+01  0.2323249E+01  0.1590431E+06              Line 10( 36) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7200000E+01 -0.5102675E-04 -0.1605766E+02  0.5910563E+01  0.1581829E+01  0.1590431E+06              Line 10( 37) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7400000E+01 -0.2865044E-04 -0.1484391E+02  0.6160427E+01  0.9168139E+00  0.1590431E+06              Line 10( 38) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7600000E+01 -0.1000742E-04 -0.1359349E+02  0.6285133E+01  0.3302449E+00  0.1590431E+06              Line 10( 39) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7800000E+01  0.5216777E-05 -0.1232985E+02  0.6300421E+01 -0.1773704E+00  0.1590431E+06              Line 10( 40) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8000000E+01  0.1733997E-04 -0.1107332E+02  0.6221994E+01 -0.6068988E+00  0.1590431E+06              Line 10( 41) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8200000E+01  0.2667817E-04 -0.9841057E+01  0.6065262E+01 -0.9604141E+00  0.1590431E+06              Line 10( 42) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8400000E+01  0.3354131E-04 -0.8647213E+01  0.5845118E+01 -0.1241028E+01  0.1590431E+06              Line 10( 43) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8600000E+01  0.3822964E-04 -0.7503010E+01  0.5575743E+01 -0.1452726E+01  0.1590431E+06              Line 10( 44) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8800000E+01  0.4103093E-04 -0.6416916E+01  0.5270449E+01 -0.1600206E+01  0.1590431E+06              Line 10( 45) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9000000E+01  0.4221834E-04 -0.5394830E+01  0.4941555E+01 -0.1688733E+01  0.1590431E+06              Line 10( 46) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9200000E+01  0.4204892E-04 -0.4440293E+01  0.4600282E+01 -0.1724006E+01  0.1590431E+06              Line 10( 47) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9400000E+01  0.4076276E-04 -0.3554717E+01  0.4256677E+01 -0.1712036E+01  0.1590431E+06              Line 10( 48) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9600000E+01  0.3858257E-04 -0.2737623E+01  0.3919569E+01 -0.1659050E+01  0.1590431E+06              Line 10( 49) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9800000E+01  0.3571386E-04 -0.1986890E+01  0.3596523E+01 -0.1571410E+01  0.1590431E+06              Line 10( 50) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1000000E+02  0.3234543E-04 -0.1299013E+01  0.3293827E+01 -0.1455544E+01  0.1590431E+06              Line 10( 51) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1020000E+02  0.2865030E-04 -0.6693589E+00  0.3016481E+01 -0.1317914E+01  0.1590431E+06              Line 10( 52) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1040000E+02  0.2478682E-04 -0.9242084E-01  0.2768192E+01 -0.1164981E+01  0.1590431E+06              Line 10( 53) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1060000E+02  0.2090010E-04  0.4379180E+00  0.2551374E+01 -0.1003205E+01  0.1590431E+06              Line 10( 54) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1080000E+02  0.1712351E-04  0.9281286E+00  0.2367148E+01 -0.8390522E+00  0.1590431E+06              Line 10( 55) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1100000E+02  0.1358036E-04  0.1384777E+01  0.1775337E+01 -0.5079054E+01  0.1590431E+06              Line 10( 56) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1120000E+02  0.1038548E-04  0.1638263E+01  0.8719527E+00 -0.3954791E+01  0.1590431E+06              Line 10( 57) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1140000E+02  0.7602631E-05  0.1733558E+01  0.1817956E+00 -0.2946780E+01  0.1590431E+06              Line 10( 58) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1160000E+02  0.5255779E-05  0.1710982E+01 -0.3201703E+00 -0.2072879E+01  0.1590431E+06              Line 10( 59) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1180000E+02  0.3339246E-05  0.1605490E+01 -0.6614287E+00 -0.1339705E+01  0.1590431E+06              Line 10( 60) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1200000E+02  0.1826500E-05  0.1446410E+01 -0.8699205E+00 -0.7452121E+00  0.1590431E+06              Line 10( 61) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1220000E+02  0.6775327E-06  0.1257522E+01 -0.9725458E+00 -0.2810405E+00  0.1590431E+06              Line 10( 62) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1240000E+02 -0.1551630E-06  0.1057392E+01 -0.9941082E+00  0.6541674E-01  0.1590431E+06              Line 10( 63) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1260000E+02 -0.7219203E-06  0.8598786E+00 -0.9566394E+00  0.3092707E+00  0.1590431E+06              Line 10( 64) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1280000E+02 -0.1072415E-05  0.6747361E+00 -0.8790409E+00  0.4667148E+00  0.1590431E+06              Line 10( 65) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1300000E+02 -0.1253210E-05  0.5082622E+00 -0.7769775E+00  0.5539188E+00  0.1590431E+06              Line 10( 66) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1320000E+02 -0.1306175E-05  0.3639451E+00 -0.6629645E+00  0.5862115E+00  0.1590431E+06              Line 10( 67) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1340000E+02 -0.1267607E-05  0.2430764E+00 -0.5465911E+00  0.5775218E+00  0.1590431E+06              Line 10( 68) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1360000E+02 -0.1167904E-05  0.1453087E+00 -0.4348351E+00  0.5400388E+00  0.1590431E+06              Line 10( 69) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1380000E+02 -0.1031655E-05  0.6914242E-01 -0.3324259E+00  0.4840526E+00  0.1590431E+06              Line 10( 70) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1400000E+02 -0.8780168E-06  0.1233828E-01 -0.2422271E+00  0.4179360E+00  0.1590431E+06              Line 10( 71) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1420000E+02 -0.7212753E-06 -0.2774841E-01 -0.1656103E+00  0.3482317E+00  0.1590431E+06              Line 10( 72) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1440000E+02 -0.5715127E-06 -0.5390583E-01 -0.1028059E+00  0.2798126E+00  0.1590431E+06              Line 10( 73) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1460000E+02 -0.4353075E-06 -0.6887075E-01 -0.5321593E-01  0.2160867E+00  0.1590431E+06              Line 10( 74) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1480000E+02 -0.3164237E-06 -0.7519220E-01 -0.1568482E-01  0.1592244E+00  0.1590431E+06              Line 10( 75) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1500000E+02 -0.2164510E-06 -0.7514468E-01  0.1127661E-01  0.1103900E+00  0.1590431E+06              Line 10( 76) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1520000E+02 -0.1353774E-06 -0.7068156E-01  0.2931192E-01  0.6996307E-01  0.1590431E+06              Line 10( 77) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1540000E+02 -0.7208064E-07 -0.6341991E-01  0.4008237E-01  0.3774142E-01  0.1590431E+06              Line 10( 78) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1560000E+02 -0.2473419E-07 -0.5464861E-01  0.4516841E-01  0.1311901E-01  0.1590431E+06              Line 10( 79) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1580000E+02  0.8867905E-08 -0.4535255E-01  0.4600393E-01 -0.4763839E-02  0.1590431E+06              Line 10( 80) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1600000E+02  0.3106365E-07 -0.3624704E-01  0.4383768E-01 -0.1689863E-01  0.1590431E+06              Line 10( 81) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1620000E+02  0.4414311E-07 -0.2781747E-01  0.3971642E-01 -0.2431403E-01  0.1590431E+06              Line 10( 82) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1640000E+02  0.5022637E-07 -0.2036047E-01  0.3448439E-01 -0.2800623E-01  0.1590431E+06              Line 10( 83) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1660000E+02  0.5118889E-07 -0.1402371E-01  0.2879467E-01 -0.2889101E-01  0.1590431E+06              Line 10( 84) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1680000E+02  0.4862438E-07 -0.8842601E-02  0.2312814E-01 -0.2777425E-01  0.1590431E+06              Line 10( 85) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1700000E+02  0.4383593E-07 -0.4772457E-02  0.1781700E-01 -0.2533716E-01  0.1590431E+06              Line 10( 86) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1720000E+02  0.3784718E-07 -0.1715799E-02  0.1306998E-01 -0.2213303E-01  0.1590431E+06              Line 10( 87) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1740000E+02  0.3142690E-07  0.4555367E-03  0.8997466E-02 -0.1859215E-01  0.1590431E+06              Line 10( 88) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1760000E+02  0.2512119E-07  0.1883187E-02  0.5634999E-02 -0.1503252E-01  0.1590431E+06              Line 10( 89) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1780000E+02  0.1928911E-07  0.2709536E-02  0.2964370E-02 -0.1167377E-01  0.1590431E+06              Line 10( 90) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1800000E+02  0.1413848E-07  0.3068935E-02  0.9317181E-03 -0.8652752E-02  0.1590431E+06              Line 10( 91) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1820000E+02  0.9759713E-08  0.3082223E-02 -0.5374882E-03 -0.6039310E-02  0.1590431E+06              Line 10( 92) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1840000E+02  0.6156133E-08  0.2853939E-02 -0.1526547E-02 -0.3851277E-02  0.1590431E+06              Line 10( 93) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1860000E+02  0.3270330E-08  0.2471605E-02 -0.2118490E-02 -0.2068157E-02  0.1590431E+06              Line 10( 94) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1880000E+02  0.1006146E-08  0.2006543E-02 -0.2389619E-02 -0.6431287E-03  0.1590431E+06              Line 10( 95) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1900000E+02 -0.7533836E-09  0.1515757E-02 -0.2405263E-02  0.4866858E-03  0.1590431E+06              Line 10( 96) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1920000E+02 -0.2131694E-08  0.1044438E-02 -0.2217437E-02  0.1391570E-02  0.1590431E+06              Line 10( 97) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1940000E+02 -0.3247325E-08  0.6287822E-03 -0.1864087E-02  0.2141935E-02  0.1590431E+06              Line 10( 98) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1960000E+02 -0.4204813E-08  0.2988035E-03 -0.1369685E-02  0.2802088E-02  0.1590431E+06              Line 10( 99) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1980000E+02 -0.5087152E-08  0.8090833E-04 -0.7470087E-03  0.3424671E-02  0.1590431E+06              Line 10(100) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2000000E+02 -0.5949142E-08  0.0000000E+00  0.0000000E+00  0.4045416E-02  0.1590431E+06              Line 10(101) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
    0                                                                                                   Line 11: Num. points on Ytop vs. Length curve for load case 3
  0.2000000E+03  0.2627333E-02  0.1254931E+03  0.2000000E+03 -0.1774843E-02                             Line 13: TopV(kN) TopY(m), Max Moment(kN-m), Max Shear(kN), Rotation(rad)
  0.2000000E+03  0.1016253E-02 -0.1614376E+03  0.2000000E+03 -0.5421011E-18                             Line 13: TopV(kN) TopY(m), Max Moment(kN-m), Max Shear(kN), Rotation(rad)
  0.4875398E+03  0.1000000E-01  0.3754077E+03  0.4875398E+03 -0.5942404E-02                             Line 13: TopV(kN) TopY(m), Max Moment(kN-m), Max Shear(kN), Rotation(rad)
    0    0    0                                                                                         Line 16: Number pushover steps computed, pushover BC type
    0  0.0000000E+00  0.0000000E+00                                                                     Line 18: Number of buckling points computed, Vtop, Mtop
